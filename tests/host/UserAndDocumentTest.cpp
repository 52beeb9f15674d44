// Cursor resource managers, the document in front and its ruler unit. (The sessions print
// every alert in order.)
#include "HostFixture.h"

namespace {

TEST_F(HostTest, CursorManagersAreDisposedOnceEach) {
  AIResourceManagerHandle a = nullptr, b = nullptr;
  ASSERT_EQ(user->CreateCursorResourceMgr(nullptr, &a), kNoErr);
  ASSERT_EQ(user->CreateCursorResourceMgr(nullptr, &b), kNoErr);
  EXPECT_NE(a, b);
  EXPECT_EQ(user->DisposeCursorResourceMgr(a), kNoErr);
  EXPECT_EQ(user->DisposeCursorResourceMgr(a), kBadParameterErr);
  EXPECT_EQ(user->DisposeCursorResourceMgr(b), kNoErr);
  EXPECT_EQ(user->DisposeCursorResourceMgr(nullptr), kBadParameterErr);
  EXPECT_EQ(user->CreateCursorResourceMgr(nullptr, nullptr), kBadParameterErr);
}

TEST_F(HostTest, RulerUnitsBelongToEachDocument) {
  int16_t units = 0;
  ASSERT_EQ(document->GetDocumentRulerUnits(&units), kNoErr);
  EXPECT_EQ(units, kPointsUnits);
  ASSERT_EQ(document->SetDocumentRulerUnits(kMillimetersUnits), kNoErr);
  EXPECT_EQ(document->SetDocumentRulerUnits(0), kBadParameterErr);
  EXPECT_EQ(document->SetDocumentRulerUnits(11), kBadParameterErr);
  AIDocumentHandle first = nullptr, second = nullptr;
  ASSERT_EQ(document->GetDocument(&first), kNoErr);

  testhost::newDocument(100, 100);
  ASSERT_EQ(document->GetDocument(&second), kNoErr);
  EXPECT_NE(first, second);
  ASSERT_EQ(document->GetDocumentRulerUnits(&units), kNoErr);
  EXPECT_EQ(units, kPointsUnits);
  testhost::bringDocumentToFront(0);
  ASSERT_EQ(document->GetDocumentRulerUnits(&units), kNoErr);
  EXPECT_EQ(units, kMillimetersUnits);
}

}  // namespace
