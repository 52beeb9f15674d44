// The art tree's stamp is what lets the page skip walking an unchanged document: every edit a
// plug-in can make through the suites moves it, and reading leaves it, or the page would keep
// showing art that changed (or walk 100,000 objects at every hover).
#include <functional>
#include <utility>
#include <vector>

#include "HostFixture.h"
#include "model/Model.h"

namespace {

using Stamp = host::ArtTree::Stamp;

Stamp stampNow() { return host::model().arts().stamp(); }

class ArtStamp : public HostTest {
 protected:
  AIArtHandle layerGroup() { return groupOf(currentLayer()); }
};

TEST_F(ArtStamp, EveryEditMovesItAndReadingLeavesIt) {
  AIArtHandle shape = newPath(layerGroup(), {{10, 10}, {50, 10}, {50, 40}}, "Forme");
  AIArtHandle other = newPath(layerGroup(), {{60, 60}, {90, 90}});
  AIPathSegment segment{{20, 20}, {20, 20}, {20, 20}, 1};
  AIUnicodeStringRef newName = makeString("Autre nom");
  const std::vector<std::pair<const char*, std::function<AIErr()>>> edits = {
      {"SetArtName", [&] { return art->SetArtName(shape, newName); }},
      {"SetArtUserAttr", [&] { return art->SetArtUserAttr(shape, kArtHidden, kArtHidden); }},
      {"SetPathSegments", [&] { return path->SetPathSegments(shape, 1, 1, &segment); }},
      {"SetPathSegmentCount", [&] { return path->SetPathSegmentCount(shape, 2); }},
      {"SetPathClosed", [&] { return path->SetPathClosed(shape, 1); }},
      {"SetPathIsGuide", [&] { return path->SetPathIsGuide(shape, 1); }},
      {"DisposeArt", [&] { return art->DisposeArt(other); }},
      {"NewArt", [&] { AIArtHandle made = nullptr; return art->NewArt(kPathArt, kPlaceAbove, shape, &made); }},
  };
  for (const auto& [name, edit] : edits) {
    const Stamp before = stampNow();
    ASSERT_EQ(edit(), kNoErr) << name;
    EXPECT_NE(stampNow(), before) << name;
  }
  strings->Dispose(newName);

  const Stamp before = stampNow();
  AIRealRect bounds;
  AIUnicodeStringRef name = nullptr;
  int32_t attributes = 0;
  int16_t count = 0;
  AIPathSegment read;
  AIBoolean flag = 0;
  ASSERT_EQ(art->GetArtBounds(shape, &bounds), kNoErr);
  ASSERT_EQ(art->GetArtName(shape, &name, nullptr), kNoErr);
  ASSERT_EQ(art->GetArtUserAttr(shape, kArtHidden, &attributes), kNoErr);
  ASSERT_EQ(path->GetPathSegmentCount(shape, &count), kNoErr);
  ASSERT_EQ(path->GetPathSegments(shape, 0, 1, &read), kNoErr);
  ASSERT_EQ(path->GetPathIsGuide(shape, &flag), kNoErr);
  strings->Dispose(name);
  EXPECT_EQ(stampNow(), before);
}

TEST_F(ArtStamp, AnUndoMovesItAndAnotherModelsStampIsNeverThisOnes) {
  host::model().markStep();  // the history starts recording here, as after the host's first event
  newPath(layerGroup(), {{10, 10}, {50, 10}});
  host::model().markStep();
  const Stamp edited = stampNow();
  ASSERT_EQ(host::model().undo(), kNoErr);
  EXPECT_NE(stampNow(), edited);
  const Stamp undone = stampNow();
  ASSERT_EQ(host::model().redo(), kNoErr);
  EXPECT_NE(stampNow(), undone);

  const Stamp last = stampNow();
  testhost::reset();
  testhost::newDocument(595, 842);
  EXPECT_NE(stampNow().tree, last.tree);
}

}  // namespace
