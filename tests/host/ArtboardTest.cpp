// Artboards of the front document through the artboard suite.
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
  AIRealRect position(int32_t index) {
    AIArtboardPropertiesRef properties = nullptr;
    AIRealRect rect{-1, -1, -1, -1};
    EXPECT_EQ(artboards->GetArtboardProperties(list, index, &properties), kNoErr);
    EXPECT_EQ(artboards->GetPosition(properties, &rect), kNoErr);
    EXPECT_EQ(artboards->DisposeArtboardProperties(properties), kNoErr);
    return rect;
  }
  std::string name(int32_t index) {
    AIArtboardPropertiesRef properties = nullptr;
    AIUnicodeStringRef text = nullptr;
    EXPECT_EQ(artboards->GetArtboardProperties(list, index, &properties), kNoErr);
    EXPECT_EQ(artboards->GetName(properties, &text), kNoErr);
    EXPECT_EQ(artboards->DisposeArtboardProperties(properties), kNoErr);
    return take(text);
  }
  AIArtboardListRef list = nullptr;
};

TEST_F(Artboards, NewDocumentLaysArtboardsOutSideBySide) {
  EXPECT_EQ(count(), 3);
  EXPECT_EQ(active(), 0);
  const AIRealRect third = position(2);
  EXPECT_EQ(third.left, 1230);
  EXPECT_EQ(third.right, 1825);
  EXPECT_EQ(third.top, 842);
  EXPECT_EQ(third.bottom, 0);
  EXPECT_EQ(name(0), "Plan de travail 1");
  EXPECT_EQ(name(2), "Plan de travail 3");
}

TEST_F(Artboards, ActiveArtboardCanBeSetToAnExistingIndexOnly) {
  EXPECT_EQ(artboards->SetActive(list, 2), kNoErr);
  EXPECT_EQ(active(), 2);
  EXPECT_EQ(artboards->SetActive(list, 3), kBadParameterErr);
  EXPECT_EQ(artboards->SetActive(list, -1), kBadParameterErr);
  EXPECT_EQ(active(), 2);
}

TEST_F(Artboards, AnIndexTheDocumentDoesNotHaveWritesNoResult) {
  AIArtboardPropertiesRef properties = nullptr;
  EXPECT_EQ(artboards->GetArtboardProperties(list, 3, &properties), kBadParameterErr);
  EXPECT_EQ(artboards->GetArtboardProperties(list, -1, &properties), kBadParameterErr);
  EXPECT_EQ(properties, nullptr);

  testhost::removeArtboard(1);
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(artboards->GetArtboardProperties(list, 2, &properties), kBadParameterErr);
  EXPECT_EQ(position(1).left, 1230);  // the third artboard moved down one index
}

TEST_F(Artboards, RemovingArtboardsKeepsTheActiveIndexOnARealOne) {
  ASSERT_EQ(artboards->SetActive(list, 2), kNoErr);
  testhost::removeArtboard(2);
  EXPECT_EQ(active(), 1);
  testhost::removeArtboard(0);
  EXPECT_EQ(active(), 0);
  EXPECT_EQ(position(0).left, 615);
  EXPECT_THROW(testhost::removeArtboard(0), std::runtime_error);  // the last one stays
  testhost::addArtboard(AIRealRect{0, 100, 100, 0});
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(name(1), "Plan de travail 4");
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
}

TEST_F(Artboards, NonFiniteArtboardsAreRefused) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(testhost::addArtboard(AIRealRect{0, nan, 10, 0}), std::runtime_error);
  EXPECT_EQ(count(), 3);
}

TEST(ArtboardsWithoutDocument, EveryCallAnswersNoDocument) {
  testhost::reset();
  auto suite = testhost::suite<AIArtboardSuite>(kAIArtboardSuite, kAIArtboardSuiteVersion);
  AIArtboardListRef list = nullptr;
  EXPECT_EQ(suite->GetArtboardList(&list), kNoDocumentErr);
  EXPECT_EQ(list, nullptr);
  testhost::newDocument(10, 10);
  ASSERT_EQ(suite->GetArtboardList(&list), kNoErr);
  testhost::reset();
  int32_t n = -1;
  EXPECT_EQ(suite->GetCount(list, &n), kNoDocumentErr);
  EXPECT_EQ(suite->GetActive(list, &n), kNoDocumentErr);
  EXPECT_EQ(n, -1);
}

}  // namespace
