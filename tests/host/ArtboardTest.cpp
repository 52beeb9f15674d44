// Artboards of the front document through the artboard suite: indexes the document does
// not have, the active index kept on a real artboard, property records and lists that
// outlive what they describe. (The sessions cover the layout and names of artboards.)
#include "HostFixture.h"

namespace {

class Artboards : public HostTest {
 protected:
  void SetUp() override {
    testhost::reset();
    testhost::newDocument(595, 842, 3);
    ASSERT_EQ(artboards->GetArtboardList(&list), kNoErr);
  }
  void TearDown() override {
    EXPECT_EQ(artboards->ReleaseArtboardList(list), kNoErr);
    HostTest::TearDown();
  }
  int32_t count() {
    int32_t n = -1;
    EXPECT_EQ(artboards->GetCount(list, &n), kNoErr);
    return n;
  }
  int32_t active() {
    int32_t n = -1;
    EXPECT_EQ(artboards->GetActive(list, &n), kNoErr);
    return n;
  }
  // "left top right bottom name", read through a property record disposed after.
  std::string described(int32_t index) {
    AIArtboardPropertiesRef properties = nullptr;
    AIRealRect rect{-1, -1, -1, -1};
    AIUnicodeStringRef name = nullptr;
    EXPECT_EQ(artboards->GetArtboardProperties(list, index, &properties), kNoErr);
    EXPECT_EQ(artboards->GetPosition(properties, &rect), kNoErr);
    EXPECT_EQ(artboards->GetName(properties, &name), kNoErr);
    EXPECT_EQ(artboards->DisposeArtboardProperties(properties), kNoErr);
    return corners(rect) + " " + take(name);
  }
  AIArtboardListRef list = nullptr;
};

TEST_F(Artboards, IndexesTheDocumentDoesNotHaveAreRefusedAndWriteNoResult) {
  EXPECT_EQ(artboards->SetActive(list, 2), kNoErr);
  for (int32_t index : {3, -1}) {
    AIArtboardPropertiesRef properties = nullptr;
    EXPECT_EQ(artboards->SetActive(list, index), kBadParameterErr) << index;
    EXPECT_EQ(artboards->GetArtboardProperties(list, index, &properties), kBadParameterErr) << index;
    EXPECT_EQ(properties, nullptr);
  }
  EXPECT_EQ(active(), 2);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(testhost::addArtboard(AIRealRect{0, nan, 10, 0}), std::runtime_error);
  EXPECT_EQ(count(), 3);
}

TEST_F(Artboards, RemovingArtboardsKeepsTheActiveIndexOnARealOne) {
  ASSERT_EQ(artboards->SetActive(list, 2), kNoErr);
  testhost::removeArtboard(2);
  EXPECT_EQ(active(), 1);
  testhost::removeArtboard(0);
  EXPECT_EQ(active(), 0);
  EXPECT_EQ(count(), 1);
  EXPECT_EQ(described(0), "615 842 1210 0 Plan de travail 2");  // moved down one index
  // A new artboard's name follows the last one made, not the count.
  testhost::addArtboard(AIRealRect{0, 100, 100, 0});
  EXPECT_EQ(described(1), "0 100 100 0 Plan de travail 4");
}

TEST_F(Artboards, PropertyRecordsAreSnapshotsDisposedOnce) {
  AIArtboardPropertiesRef properties = nullptr;
  ASSERT_EQ(artboards->GetArtboardProperties(list, 0, &properties), kNoErr);
  testhost::removeArtboard(0);
  AIRealRect rect{};
  EXPECT_EQ(artboards->GetPosition(properties, &rect), kNoErr);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(artboards->DisposeArtboardProperties(properties), kNoErr);
  EXPECT_EQ(artboards->DisposeArtboardProperties(properties), kBadParameterErr);
  EXPECT_EQ(artboards->GetPosition(properties, &rect), kStaleHandleErr);
  EXPECT_EQ(artboards->DisposeArtboardProperties(nullptr), kBadParameterErr);
}

TEST_F(Artboards, AListBelongsToTheDocumentInFront) {
  testhost::newDocument(100, 100);
  int32_t n = -1;
  EXPECT_EQ(artboards->GetCount(list, &n), kStaleHandleErr);
  EXPECT_EQ(artboards->SetActive(list, 1), kStaleHandleErr);
  EXPECT_EQ(n, -1);
  testhost::bringDocumentToFront(0);
  EXPECT_EQ(count(), 3);
  EXPECT_EQ(artboards->GetCount(nullptr, &n), kBadParameterErr);
  testhost::reset();
  EXPECT_EQ(artboards->GetCount(list, &n), kNoDocumentErr);
  EXPECT_EQ(artboards->GetActive(list, &n), kNoDocumentErr);
  EXPECT_EQ(n, -1);
  list = nullptr;
  EXPECT_EQ(artboards->GetArtboardList(&list), kNoDocumentErr);
  EXPECT_EQ(list, nullptr);
  testhost::newDocument(10, 10);
  ASSERT_EQ(artboards->GetArtboardList(&list), kNoErr);
}

}  // namespace
