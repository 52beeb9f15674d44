// Files the host cannot open: each gives one clear reason, reads nothing outside its bytes,
// and neither crashes nor hangs.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "SvgFixture.h"

namespace svgtest {
namespace {

TEST(SvgBadInput, WhatIsNoSvgDocumentIsRefusedWithItsReason) {
  EXPECT_EQ(refusal(""), "the file is empty");
  EXPECT_EQ(refusal(" \n"), "the file is empty");
  EXPECT_EQ(refusal("%PDF-1.4 binary"), "not an XML file: No document element found at byte 15");
  EXPECT_EQ(refusal("<html><body/></html>"), "not an SVG file: the root element is <html>");
  EXPECT_EQ(refusal("<svg xmlns=\"http://example.com/other\"/>"),
            "not an SVG file: its root element is in the namespace \"http://example.com/other\"");
  EXPECT_EQ(refusal(std::string("\x1f\x8b\x08\x00", 4)),
            "the file is compressed (SVGZ); the host opens plain SVG files");
  const std::string whole = svgFile("width=\"10\" height=\"10\"", "<g><rect width=\"1\" height=\"1\"/></g>");
  EXPECT_EQ(refusal(whole.substr(0, whole.size() - 12)), "the file ends before its root element does: it is cut short");
  EXPECT_EQ(refusal(whole.substr(0, whole.size() - 7)), "the file ends before its root element does: it is cut short");
  EXPECT_EQ(refusal("<svg><g></svg>"), "not an XML file: Start-end tags mismatch at byte 10");
}

TEST(SvgBadInput, SizesThatMakeNoPageAreRefused) {
  EXPECT_EQ(refusal(svgFile("width=\"0\" height=\"10\"", "")),
            "the page's width \"0\" is not a size the host can open (more than 0, at most 100000 pt)");
  EXPECT_EQ(refusal(svgFile("width=\"10\" height=\"-5mm\"", "")),
            "the page's height \"-5mm\" is not a size the host can open (more than 0, at most 100000 pt)");
  EXPECT_EQ(refusal(svgFile("width=\"NaN\" height=\"10\"", "")), "the page's width \"NaN\" is not a length");
  EXPECT_EQ(refusal(svgFile("width=\"1e39\" height=\"10\"", "")),
            "the page's width \"1e39\" is not a size the host can open (more than 0, at most 100000 pt)");
  EXPECT_EQ(refusal(svgFile("width=\"1e999\" height=\"10\"", "")),
            "the page's width \"1e999\" is not a size the host can open (more than 0, at most 100000 pt)");
  EXPECT_EQ(refusal(svgFile("width=\"10furlong\" height=\"10\"", "")),
            "the page's width \"10furlong\" has a unit the host does not know (it knows px, pt, pc, mm, cm and in)");
  EXPECT_EQ(refusal(svgFile("viewBox=\"0 0 0 10\"", "")),
            "the page's viewBox \"0 0 0 10\" is not four numbers with a positive size");
}

TEST(SvgBadInput, EntitiesAreNeverExpandedBeyondPlainTextAndExternalOnesNeverRead) {
  const std::string laughs =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE svg [\n <!ENTITY lol \"lol\">\n"
      " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
      " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n]>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>&lol2;</text></svg>";
  EXPECT_EQ(refusal(laughs),
            "the file declares the entity \"lol1\" made of other entities or markup, which the host does not expand");
  const std::string external =
      "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>&x;</text></svg>";
  EXPECT_EQ(refusal(external), "the file declares the external entity \"x\"; the host never reads what it points to");
  // Illustrator's plain entities for its namespaces are expanded.
  const std::string illustrator =
      "<!DOCTYPE svg [<!ENTITY ns_svg \"http://www.w3.org/2000/svg\">]>\n"
      "<svg xmlns=\"&ns_svg;\" width=\"10\" height=\"10\"><rect id=\"r\" width=\"4\" height=\"4\"/></svg>";
  EXPECT_BOX_NEAR(object(read(illustrator), "r").bounds, 0, 7.5, 3, 4.5, 0);
}

TEST(SvgBadInput, ReferencesOutsideTheFileAreNeverFetched) {
  const auto secret = std::filesystem::temp_directory_path() / "guides-svg-outside.svg";
  std::ofstream(secret) << svgFile("width=\"10\" height=\"10\"", "<rect id=\"far\" width=\"400\" height=\"400\"/>");
  const SvgDocument document = read(svgFile("width=\"100\" height=\"100\"",
                                            "<use id=\"web\" xlink:href=\"http://127.0.0.1:9/x.svg#far\"/>"
                                            "<use id=\"disk\" xlink:href=\"" +
                                                secret.string() +
                                                "#far\"/>"
                                                "<image id=\"picture\" xlink:href=\"file:///etc/passwd\"/>"));
  std::filesystem::remove(secret);
  EXPECT_FALSE(object(document, "web").hasBounds);
  EXPECT_FALSE(object(document, "disk").hasBounds);
  EXPECT_FALSE(object(document, "picture").hasBounds);
}

TEST(SvgBadInput, DeepNestingIsRefusedWithoutRecursionAndLargeFilesBeforeReading) {
  std::string deep;
  for (int i = 0; i < 10000; ++i) deep += "<g>";
  deep += "<rect width=\"1\" height=\"1\"/>";
  for (int i = 0; i < 10000; ++i) deep += "</g>";
  EXPECT_EQ(refusal(svgFile("width=\"10\" height=\"10\"", deep)), "the file nests elements more than 1000 deep");
  std::string nested;
  for (int i = 0; i < 900; ++i) nested += "<g transform=\"translate(0.01)\">";
  nested += "<rect id=\"r\" width=\"1\" height=\"1\"/><text>deep</text>";
  for (int i = 0; i < 900; ++i) nested += "</g>";
  EXPECT_NEAR(
      object(read(svgFile("width=\"100pt\" height=\"100pt\" viewBox=\"0 0 100 100\"", nested)), "r").bounds.left, 9,
      1e-9);
  EXPECT_EQ(refusal(std::string(kMaxFileBytes + 1, ' ')), "the file is larger than the host opens (64 MB)");
}

TEST(SvgBadInput, AFileThatCannotBeReadSaysWhy) {
  SvgDocument document;
  std::string reason;
  EXPECT_FALSE(readSvgFile("/nonexistent/poster.svg", &document, &reason));
  EXPECT_EQ(reason, "cannot read /nonexistent/poster.svg: No such file or directory");
}

}  // namespace
}  // namespace svgtest
