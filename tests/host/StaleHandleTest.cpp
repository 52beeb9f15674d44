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
    const auto sentinelArt = reinterpret_cast<AIArtHandle>(uintptr_t{0x1234});
    AIArtHandle out = sentinelArt;
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceAbove, handle, &out), code);
    if (handle) {
      EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, handle, &out), code);
    }
    EXPECT_EQ(art->DisposeArt(handle), code);
    int16_t type = 99;
    EXPECT_EQ(art->GetArtType(handle, &type), code);
    EXPECT_EQ(art->GetArtParent(handle, &out), code);
    EXPECT_EQ(art->GetArtFirstChild(handle, &out), code);
    EXPECT_EQ(art->GetArtSibling(handle, &out), code);
    EXPECT_EQ(art->GetArtPriorSibling(handle, &out), code);
    AIRealRect bounds{-1, -1, -1, -1};
    EXPECT_EQ(art->GetArtBounds(handle, &bounds), code);
    AIUnicodeStringRef name = nullptr;
    EXPECT_EQ(art->GetArtName(handle, &name, nullptr), code);
    AIUnicodeStringRef newName = makeString("x");
    EXPECT_EQ(art->SetArtName(handle, newName), code);
    strings->Dispose(newName);
    int32_t attr = 99;
    EXPECT_EQ(art->GetArtUserAttr(handle, kArtLocked, &attr), code);
    EXPECT_EQ(art->SetArtUserAttr(handle, kArtLocked, kArtLocked), code);
    AILayerHandle layer = nullptr;
    EXPECT_EQ(art->GetLayerOfArt(handle, &layer), code);

    int16_t count = 99;
    AIPathSegment segment{{1, 1}, {1, 1}, {1, 1}, 0};
    AIBoolean flag = 7;
    EXPECT_EQ(path->GetPathSegmentCount(handle, &count), code);
    EXPECT_EQ(path->SetPathSegmentCount(handle, 5), code);
    EXPECT_EQ(path->GetPathSegments(handle, 0, 1, &segment), code);
    EXPECT_EQ(path->SetPathSegments(handle, 0, 1, &segment), code);
    EXPECT_EQ(path->GetPathClosed(handle, &flag), code);
    EXPECT_EQ(path->SetPathClosed(handle, 1), code);
    EXPECT_EQ(path->GetPathIsGuide(handle, &flag), code);
    EXPECT_EQ(path->SetPathIsGuide(handle, 0), code);

    EXPECT_EQ(out, sentinelArt);
    EXPECT_EQ(type, 99);
    EXPECT_EQ(bounds.left, -1);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(attr, 99);
    EXPECT_EQ(layer, nullptr);
    EXPECT_EQ(count, 99);
    EXPECT_EQ(segment.p.h, 1);
    EXPECT_EQ(flag, 7);
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
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(units, -1);
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{});
}

}  // namespace
