// SVG files as documents: what a save writes comes back the same when opened, a save never
// loses the file it replaces, and art the host adds to a file is written once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "AppFixture.h"
#include "files/DocumentFiles.h"
#include "model/FileWriting.h"
#include "model/Printout.h"

namespace {

namespace fs = std::filesystem;

// Two pages in millimetres and a rectangle on a layer of the file.
constexpr const char* kPoster = R"(<svg xmlns="http://www.w3.org/2000/svg"
 xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="100mm" height="50mm" viewBox="0 0 100 50">
 <g inkscape:groupmode="layer" inkscape:label="Dessin"><rect id="box" x="10" y="10" width="20" height="5"/></g>
</svg>
)";

using testhost::contentOf;
using testhost::writeFile;

std::vector<std::string> documentLines() {
  std::vector<std::string> lines = host::artLines(host::model());
  for (const std::string& line : host::boundsLines(host::model(), "")) lines.push_back(line);
  return lines;
}

class DocumentFilesTest : public AppTest {
 protected:
  fs::path file(const char* name) const { return folder / name; }
  void open(const fs::path& path) {
    std::string reason;
    ASSERT_TRUE(host::openDocumentFile(path, &reason)) << reason;
  }
  void save(const fs::path& path) {
    std::string reason;
    ASSERT_TRUE(host::saveDocumentFile(path, &reason)) << reason;
  }
  // A guide path on a layer of its own, as a plug-in lays one.
  static void addGuide(AIRealPoint from, AIRealPoint to) {
    host::Ref layer, path;
    ASSERT_EQ(host::model().insertLayer(host::Ref{}, kPlaceAboveAll, &layer), kNoErr);
    ASSERT_EQ(host::model().setLayerTitle(layer, "Guides"), kNoErr);
    ASSERT_EQ(host::model().newArt(kPathArt, kPlaceInsideOnTop, host::model().findLayer(layer)->group, &path), kNoErr);
    const AIPathSegment ends[2] = {{from, from, from, true}, {to, to, to, true}};
    ASSERT_EQ(host::model().setPathSegmentCount(path, 2), kNoErr);
    ASSERT_EQ(host::model().setPathSegments(path, 0, 2, ends), kNoErr);
    ASSERT_EQ(host::model().setPathIsGuide(path, true), kNoErr);
    ASSERT_EQ(host::model().setArtUserAttributes(path, kArtLocked, kArtLocked), kNoErr);
  }
};

TEST_F(DocumentFilesTest, ADocumentMadeInTheHostComesBackFromItsFileExactly) {
  const AIRealRect artboards[2] = {{0, 841.889764f, 595.275591f, 0}, {615.275591f, 841.889764f, 1210.551182f, 0}};
  ASSERT_EQ(host::model().newDocument("Affiche", artboards), kNoErr);
  ASSERT_EQ(host::model().front()->setRulerUnits(kMillimetersUnits), kNoErr);
  host::Ref box;
  ASSERT_EQ(host::model().newRectangle({10.25f, 700.1f, 300.3333f, 20.7f}, "Cadre", &box), kNoErr);
  ASSERT_EQ(host::model().setArtUserAttributes(box, kArtHidden, kArtHidden), kNoErr);
  addGuide({1.0f / 3, 0}, {1.0f / 3, 841.889764f});
  const std::vector<std::string> made = documentLines();
  const std::vector<std::string> guides = host::guideLines(host::model());

  save(file("affiche.svg"));
  open(file("affiche.svg"));

  const host::Document& reopened = *host::model().front();
  ASSERT_EQ(reopened.artboards.size(), 2u);
  EXPECT_EQ(reopened.artboards[1].rect.right, 1210.551182f);
  EXPECT_EQ(reopened.artboards[1].rect.top, 841.889764f);
  EXPECT_EQ(reopened.rulerUnits, kMillimetersUnits);
  EXPECT_EQ(documentLines(), made);
  EXPECT_EQ(host::guideLines(host::model()), guides);
  host::Ref cadre = host::model().arts().refAt(host::model().findLayer(reopened.layers[1])->group.slot);
  ASSERT_EQ(host::model().artFirstChild(cadre, &cadre), kNoErr);
  int32_t attributes = 0;
  ASSERT_EQ(host::model().artUserAttributes(cadre, kArtHidden, &attributes), kNoErr);
  EXPECT_EQ(attributes, kArtHidden);
}

TEST_F(DocumentFilesTest, ASaveOutlivesTheFileItCameFromAndNeverLosesTheOneItReplaces) {
  writeFile(file("poster.svg"), kPoster);
  open(file("poster.svg"));
  fs::remove(file("poster.svg"));
  save({});  // back where it came from, from what was read
  EXPECT_NE(contentOf(file("poster.svg")).find(R"(<rect id="box" x="10" y="10" width="20" height="5"/>)"),
            std::string::npos);

  // A folder where the file should go: the rename fails, the folder and its file stay whole.
  fs::create_directories(file("taken.svg"));
  writeFile(file("taken.svg") / "inside.txt", "kept");
  std::string reason;
  EXPECT_FALSE(host::saveDocumentFile(file("taken.svg"), &reason));
  EXPECT_NE(reason, "");
  EXPECT_EQ(contentOf(file("taken.svg") / "inside.txt"), "kept");
  for (const auto& entry : fs::directory_iterator(folder))  // no "taken.svg.XXXXXX" left
    EXPECT_FALSE(entry.path().filename().string().starts_with("taken.svg.")) << entry.path();
}

TEST_F(DocumentFilesTest, ASaveThroughASymbolicLinkWritesWhereItLeadsAndKeepsTheLink) {
  fs::create_directories(file("real"));
  writeFile(file("real") / "poster.svg", kPoster);
  fs::create_symlink(file("real") / "poster.svg", file("link.svg"));
  open(file("link.svg"));
  addGuide({0, 10}, {100, 10});
  save({});
  EXPECT_TRUE(fs::is_symlink(file("link.svg")));
  EXPECT_NE(contentOf(file("real") / "poster.svg").find("sodipodi:guide"), std::string::npos);
}

TEST_F(DocumentFilesTest, ARectangleDrawnOnALayerOfTheFileIsWrittenOnceWhateverTheSaves) {
  writeFile(file("poster.svg"), kPoster);
  open(file("poster.svg"));
  host::Ref drawn;
  ASSERT_EQ(host::model().newRectangle({1, 2, 3, 1}, "Ajout", &drawn), kNoErr);
  save({});
  save({});
  const std::string once = contentOf(file("poster.svg"));
  const auto first = once.find("Ajout");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(once.find("Ajout", first + 1), std::string::npos);

  // Opened again, the rectangle is the host's again: saved again, once.
  open(file("poster.svg"));
  save(file("again.svg"));
  const std::string again = contentOf(file("again.svg"));
  ASSERT_NE(again.find("Ajout"), std::string::npos);
  EXPECT_EQ(again.find("Ajout", again.find("Ajout") + 1), std::string::npos);
  EXPECT_EQ(host::boundsLines(host::model(), "Dessin/Ajout"), std::vector<std::string>{"Dessin/Ajout 1 2 3 1"});
}

TEST_F(DocumentFilesTest, WhatCannotBeSavedOrOpenedSaysWhy) {
  std::string reason;
  std::string bytes;
  EXPECT_FALSE(host::documentFileBytes(&bytes, &reason));
  EXPECT_EQ(reason, "no document is open");
  const AIRealRect page[1] = {{0, 100, 100, 0}};
  ASSERT_EQ(host::model().newDocument("Nouveau", page), kNoErr);
  EXPECT_FALSE(host::saveDocumentFile({}, &reason));
  EXPECT_EQ(reason, "the document has no file yet: give the path to save it to");

  EXPECT_FALSE(host::openDocumentFile(file("missing.svg"), &reason));
  EXPECT_NE(reason.find("missing.svg"), std::string::npos) << reason;
  writeFile(file("page.html"), "<html><body>no</body></html>");
  EXPECT_FALSE(host::openDocumentFile(file("page.html"), &reason));
  EXPECT_EQ(reason, "not an SVG file: the root element is <html>");
  EXPECT_EQ(host::model().documentCount(), 1u);
}

}  // namespace
