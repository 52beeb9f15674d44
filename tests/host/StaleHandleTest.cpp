// Handles to disposed art, to art of a document not in front, or kept across a reset are
// recognised: every call refuses them and changes nothing.
#include "HostFixture.h"

namespace {

class StaleHandles : public HostTest {
 protected:
  // Every art and path call on the handle answers `code`, writes no result, changes nothing.
  // (A null prep is legitimate only with the inside orders, which then mean the current layer.)
  void expectEveryCallRefused(AIArtHandle handle, AIErr code) {
    const auto before = testhost::artLines();
    const auto sentinel = reinterpret_cast<AIArtHandle>(uintptr_t{0x1234});
    AIArtHandle out = sentinel;
    int16_t type = 99, count = 99;
    AIRealRect bounds{-1, -1, -1, -1};
    AIUnicodeStringRef name = nullptr, newName = makeString("x");
    int32_t attr = 99;
    AILayerHandle layer = nullptr;
    AIPathSegment segment{{1, 1}, {1, 1}, {1, 1}, 0};
    AIBoolean flag = 7;
    // One answer a call, in this order (the vectors printed on failure show which differs).
    const std::vector<AIErr> answers = {
        art->NewArt(kPathArt, kPlaceAbove, handle, &out),
        handle ? art->NewArt(kPathArt, kPlaceInsideOnTop, handle, &out) : code,
        art->DisposeArt(handle), art->GetArtType(handle, &type), art->GetArtParent(handle, &out),
        art->GetArtFirstChild(handle, &out), art->GetArtSibling(handle, &out),
        art->GetArtPriorSibling(handle, &out), art->GetArtBounds(handle, &bounds),
        art->GetArtName(handle, &name, nullptr), art->SetArtName(handle, newName),
        art->GetArtUserAttr(handle, kArtLocked, &attr), art->SetArtUserAttr(handle, kArtLocked, kArtLocked),
        art->GetLayerOfArt(handle, &layer), path->GetPathSegmentCount(handle, &count),
        path->SetPathSegmentCount(handle, 5), path->GetPathSegments(handle, 0, 1, &segment),
        path->SetPathSegments(handle, 0, 1, &segment), path->GetPathClosed(handle, &flag),
        path->SetPathClosed(handle, 1), path->GetPathIsGuide(handle, &flag), path->SetPathIsGuide(handle, 0)};
    strings->Dispose(newName);
    EXPECT_EQ(answers, std::vector<AIErr>(answers.size(), code));
    EXPECT_EQ(std::make_tuple(out, type, bounds.left, name, attr, layer, count, segment.p.h, flag),
              std::make_tuple(sentinel, int16_t{99}, -1.0f, nullptr, 99, nullptr, int16_t{99}, 1.0f, AIBoolean{7}));
    EXPECT_EQ(testhost::artLines(), before);
  }
};

TEST_F(StaleHandles, EveryWayOfLosingArtLeavesAHandleEveryCallRefuses) {
  AIArtHandle group = newGroup(nullptr, "G");
  AIArtHandle disposed = newPath(group, {{10, 842}, {10, 0}}, "old");
  ASSERT_EQ(art->DisposeArt(disposed), kNoErr);
  AIArtHandle reused = newPath(group, {{20, 842}, {20, 0}}, "new");  // in the slot disposed of
  EXPECT_NE(reused, disposed);
  AIArtHandle outer = newGroup(nullptr, "outer");
  AIArtHandle descendant = newPath(newGroup(outer, "inner"), {{0, 0}, {1, 1}});
  ASSERT_EQ(art->DisposeArt(outer), kNoErr);
  AILayerHandle doomed = testhost::addLayer("Doomed");
  AIArtHandle onLayer = newPath(nullptr, {{1, 1}, {2, 2}});
  const size_t live = testhost::liveArtCount();
  ASSERT_EQ(layers->DeleteLayer(doomed), kNoErr);
  EXPECT_EQ(testhost::liveArtCount(), live - 2);  // the path and the layer's group
  AIUnicodeStringRef title = nullptr;
  EXPECT_EQ(layers->GetLayerTitle(doomed, &title), kStaleHandleErr);
  EXPECT_EQ(title, nullptr);
  for (AIArtHandle stale : {disposed, descendant, onLayer}) {
    EXPECT_FALSE(valid(stale));
    expectEveryCallRefused(stale, kStaleHandleErr);
  }
  // Handles from before a reset designate nothing in the new host.
  testhost::reset();
  testhost::newDocument(595, 842);
  EXPECT_NE(newPath(nullptr, {{1, 2}, {3, 4}}, "after"), reused);
  EXPECT_FALSE(valid(reused));
  expectEveryCallRefused(reused, kStaleHandleErr);

  EXPECT_FALSE(valid(nullptr));
  expectEveryCallRefused(nullptr, kBadParameterErr);
  AIBoolean flag = 0;
  EXPECT_EQ(layers->GetLayerVisible(nullptr, &flag), kBadParameterErr);
  EXPECT_EQ(layers->DeleteLayer(nullptr), kBadParameterErr);
}

TEST_F(StaleHandles, ArtOfADocumentBehindIsStaleUntilItComesBack) {
  AIArtHandle first = newPath(nullptr, {{1, 2}, {3, 4}}, "first");
  AILayerHandle firstLayer = currentLayer();
  testhost::newDocument(300, 300);
  newPath(nullptr, {{5, 6}, {7, 8}}, "second");

  EXPECT_FALSE(valid(first));
  expectEveryCallRefused(first, kStaleHandleErr);
  AIBoolean editable = 0;
  EXPECT_EQ(layers->GetLayerEditable(firstLayer, &editable), kStaleHandleErr);
  EXPECT_EQ(layers->SetCurrentLayer(firstLayer), kStaleHandleErr);
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{"Calque 1/second path 2"});

  testhost::bringDocumentToFront(0);
  EXPECT_TRUE(valid(first));
  EXPECT_EQ(nameOf(first), "first");
  EXPECT_EQ(layers->GetLayerEditable(firstLayer, &editable), kNoErr);
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{"Calque 1/first path 2"});
}

TEST_F(StaleHandles, WithoutADocumentNothingIsValid) {
  AIArtHandle kept = newPath(nullptr, {{1, 2}, {3, 4}});
  testhost::reset();
  EXPECT_FALSE(valid(kept));
  AIArtHandle made = nullptr;
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoDocumentErr);
  int32_t count = -1;
  EXPECT_EQ(layers->CountLayers(&count), kNoDocumentErr);
  EXPECT_EQ(count, -1);
  AIDocumentHandle handle = nullptr;
  int16_t units = -1;
  EXPECT_EQ(document->GetDocument(&handle), kNoDocumentErr);
  EXPECT_EQ(document->GetDocumentRulerUnits(&units), kNoDocumentErr);
  EXPECT_EQ(document->SetDocumentRulerUnits(kPointsUnits), kNoDocumentErr);
  EXPECT_EQ(std::make_tuple(handle, units), std::make_tuple(nullptr, int16_t{-1}));
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{});
}

}  // namespace
