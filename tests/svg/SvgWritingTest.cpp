// Saving into an SVG file: the file read given back with only the host's guides, layers and
// art changed, saved again without piling up, read back exactly; and new files.
#include <gtest/gtest.h>

#include "SvgFixture.h"
#include "svg/SvgWriting.h"

namespace svgtest {
namespace {

const std::string kUserFile =
    svgFile("width=\"210mm\" height=\"297mm\" viewBox=\"10 20 105 148.5\"",
            "  <!-- a comment with <g> in it -->\n"
            "  <sodipodi:namedview id=\"view\" pagecolor=\"#ffffff\">\n"
            "    <sodipodi:guide position=\"1,2\" orientation=\"0,1\" id=\"mine\" />\n"
            "  </sodipodi:namedview>\n"
            "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Art\" id=\"art\">\n"
            "    <rect id=\"r\" x=\"20\" y=\"30\" width=\"10\" height=\"5\" style=\"fill:#c00\" />\n"
            "  </g>");

Object guidePath(std::vector<Segment> segments) {
  Object path;
  path.kind = Object::Kind::Path;
  path.guide = true;
  path.segments = std::move(segments);
  return path;
}

// The host's work: two guides on the rectangle's left edge (one line), one on its bottom, and
// a layer holding their paths, with values no decimal text holds exactly.
SaveContent hostWork() {
  SaveContent content;
  content.guides = {{{56.69291338582678, 0}, {0, 1}, ""},
                    {{56.69291338582678, 500}, {0, -1}, ""},
                    {{0, 756.8503937007874}, {1, 0}, "bottom"}};
  Layer layer;
  layer.title = "Guides & co";
  layer.writtenByHost = true;
  layer.objects = {
      guidePath({{{0.1, 1.0 / 3}, {0.1, 1.0 / 3}, {0.1, 1.0 / 3}}, {{595.2, 2e-7}, {595.2, 2e-7}, {595.2, 2e-7}}})};
  content.layers = {layer};
  return content;
}

// The saved bytes with what a reading of them marks as the host's removed.
std::string withoutHostWritten(const std::string& saved) {
  const SvgDocument reread = read(saved);
  std::string kept;
  size_t at = 0;
  for (const Span& span : reread.hostWritten) {
    if (span.begin < at) continue;  // inside a group already left out
    kept += saved.substr(at, span.begin - at);
    at = span.end;
  }
  return kept + saved.substr(at);
}

TEST(SvgWriteBack, NothingToWriteGivesTheFileBackByteForByte) { EXPECT_EQ(writeBack(read(kUserFile), {}), kUserFile); }

TEST(SvgWriteBack, TheHostsGuidesAndLayerAreAllThatChanges) {
  const std::string saved = writeBack(read(kUserFile), hostWork());
  EXPECT_EQ(withoutHostWritten(saved), kUserFile);
  // One guide per line, in Inkscape's coordinates, marked as the host's.
  EXPECT_NE(saved.find("id=\"mine\" />\n    <sodipodi:guide xmlns:host=\"urn:x-drawing-host:svg\" position=\"10,0\""
                       " orientation=\"1,0\" inkscape:label=\"host guide\" inkscape:color=\"#00b4ff\""
                       " inkscape:locked=\"true\" host:written=\"guide\" />"),
            std::string::npos)
      << saved;
  EXPECT_NE(saved.find("position=\"0,133.5\" orientation=\"0,1\" inkscape:label=\"bottom\""), std::string::npos);
  EXPECT_EQ(read(saved).hostGuides.size(), 2u);
  // The layer of guides only: hidden and locked for Inkscape, before the root's end tag.
  EXPECT_NE(
      saved.find("inkscape:label=\"Guides &amp; co\" host:written=\"layer\" host:hidden=\"false\" host:locked=\"false\""
                 " style=\"display:none\" sodipodi:insensitive=\"true\">"),
      std::string::npos);
  EXPECT_TRUE(saved.ends_with("\n  </g>\n</svg>\n"));
}

TEST(SvgWriteBack, SavingAgainReplacesWhatTheLastSaveWrote) {
  const std::string once = writeBack(read(kUserFile), hostWork());
  EXPECT_EQ(writeBack(read(once), hostWork()), once);
  EXPECT_EQ(writeBack(read(once), {}), kUserFile);
}

TEST(SvgWriteBack, TheHostsPathsAndFlagsReadBackExactly) {
  SaveContent content = hostWork();
  content.layers[0].hidden = true;
  const SvgDocument reread = read(writeBack(read(kUserFile), content));
  ASSERT_EQ(reread.layers.size(), 2u);
  const Layer& layer = reread.layers[0];
  EXPECT_EQ(layer.title, "Guides & co");
  EXPECT_TRUE(layer.writtenByHost);
  EXPECT_TRUE(layer.hidden);
  EXPECT_FALSE(layer.locked);
  ASSERT_EQ(layer.objects.size(), 1u);
  const Object& path = layer.objects[0];
  EXPECT_TRUE(path.guide);
  EXPECT_FALSE(path.closed);
  ASSERT_EQ(path.segments.size(), 2u);
  EXPECT_EQ(path.segments[0].p.x, 0.1);
  EXPECT_EQ(path.segments[0].p.y, 1.0 / 3);
  EXPECT_EQ(path.segments[1].out.x, 595.2);
  EXPECT_EQ(path.segments[1].out.y, 2e-7);
}

TEST(SvgWriteBack, ArtAddedToALayerGoesBeforeItsEndTagAndComesBackNextTime) {
  SaveContent content;
  Object group;
  group.kind = Object::Kind::Group;
  Object closed = guidePath({{{0, 0}, {-1, 0}, {1, 0}}, {{10, 10}, {10, 9}, {10, 11}}});
  closed.guide = false;
  closed.closed = true;
  group.children = {closed};
  content.added = {{0, {group}}};
  const std::string saved = writeBack(read(kUserFile), content);
  EXPECT_NE(
      saved.find(
          "style=\"fill:#c00\" />\n    <g xmlns:host=\"urn:x-drawing-host:svg\" host:written=\"group\">\n      <path "),
      std::string::npos)
      << saved;
  const SvgDocument reread = read(saved);
  const Layer& art = reread.layers[0];
  ASSERT_EQ(art.objects.size(), 2u);
  const Object& back = art.objects[0].children.at(0);
  EXPECT_EQ(back.kind, Object::Kind::Path);
  EXPECT_TRUE(back.closed);
  EXPECT_EQ(back.segments[0].in.x, -1);
  EXPECT_EQ(back.segments[1].out.y, 11);
  EXPECT_EQ(withoutHostWritten(saved), kUserFile);
}

TEST(SvgWriteBack, ANamedviewIsMadeWhereThereIsNoneAndOpenedWhereItIsEmpty) {
  const std::string bare = svgFile("width=\"100pt\" height=\"100pt\"", "<rect width=\"1\" height=\"1\"/>");
  const std::string made = writeBack(read(bare), hostWork());
  EXPECT_EQ(read(made).hostGuides.size(), 2u);
  EXPECT_NE(made.find("height=\"100pt\">\n  <sodipodi:namedview xmlns:host=\"urn:x-drawing-host:svg\">\n"
                      "    <sodipodi:guide position=\"75.59055118110237,0\""),
            std::string::npos)
      << made;
  const std::string empty = svgFile("width=\"100pt\" height=\"100pt\"", "  <sodipodi:namedview id=\"v\" />");
  const std::string opened = writeBack(read(empty), hostWork());
  EXPECT_NE(opened.find("<sodipodi:namedview id=\"v\" >\n    <sodipodi:guide"), std::string::npos) << opened;
  EXPECT_NE(opened.find("host:written=\"guide\" />\n  </sodipodi:namedview>"), std::string::npos) << opened;
  EXPECT_EQ(read(opened).hostGuides.size(), 2u);
}

TEST(SvgWriteNew, ANewFileReadsBackIntoTheSamePagesLayersPathsAndGuides) {
  const std::vector<Page> pages = {{{0, 792, 612, 0}, ""}, {{700, 500.5, 1000.25, 0.125}, "Back & front"}};
  const std::string file = writeNew(pages, "mm", hostWork());
  const SvgDocument reread = read(file);
  ASSERT_EQ(reread.pages.size(), 2u);
  EXPECT_BOX_NEAR(reread.pages[0].bounds, 0, 792, 612, 0, 0);
  EXPECT_BOX_NEAR(reread.pages[1].bounds, 700, 500.5, 1000.25, 0.125, 0);
  EXPECT_EQ(reread.pages[1].label, "Back & front");
  EXPECT_EQ(reread.documentUnit, "mm");
  EXPECT_EQ(reread.space.scaleX, 1);
  ASSERT_EQ(reread.hostGuides.size(), 2u);
  EXPECT_EQ(reread.hostGuides[0].point.x, 56.69291338582678);
  EXPECT_EQ(reread.hostGuides[1].point.y, 756.8503937007874);
  EXPECT_EQ(reread.hostGuides[1].label, "bottom");
  ASSERT_EQ(reread.layers.size(), 1u);
  EXPECT_EQ(reread.layers[0].objects.at(0).segments.at(0).p.y, 1.0 / 3);
  EXPECT_NE(file.find("<inkscape:page x=\"700\" y=\"291.5\" width=\"300.25\" height=\"500.375\""), std::string::npos)
      << file;
}

}  // namespace
}  // namespace svgtest
