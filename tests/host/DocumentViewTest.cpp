// Views of the front document: the zoom within its limits, the artwork rectangle shown
// (1000 x 800 pixels around the view's centre). (The overlay and cursor sessions convert
// points between the view and the artwork at several zooms.)
#include <limits>

#include "AIDocumentView.h"
#include "HostFixture.h"

class DocumentViewTest : public HostTest {
 protected:
  const AIDocumentViewSuite* views =
      testhost::suite<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);

  AIDocumentViewHandle firstView() {
    AIDocumentViewHandle view = nullptr;
    EXPECT_EQ(views->GetNthDocumentView(0, &view), kNoErr);
    return view;
  }
  AIReal zoomOf(AIDocumentViewHandle view) {
    AIReal zoom = 0;
    EXPECT_EQ(views->GetDocumentViewZoom(view, &zoom), kNoErr);
    return zoom;
  }
  AIRealRect bounds(AIDocumentViewHandle view) {
    AIRealRect rect{};
    EXPECT_EQ(views->GetDocumentViewBounds(view, &rect), kNoErr);
    return rect;
  }
};

TEST_F(DocumentViewTest, TheBoundsAreTheWindowAroundTheCentreAtTheZoom) {
  AIDocumentViewHandle view = firstView();
  // The A4 page's centre is (297.5, 421).
  const AIRealRect atOne = bounds(view);
  EXPECT_EQ(corners(atOne), "-202.5 821 797.5 21");
  ASSERT_EQ(views->SetDocumentViewZoom(view, 4), kNoErr);
  EXPECT_EQ(zoomOf(view), 4.0f);
  const AIRealRect atFour = bounds(nullptr);  // no view: the current one
  EXPECT_EQ(corners(atFour), "172.5 521 422.5 321");
}

TEST_F(DocumentViewTest, ZoomsOutsideTheRangeAreRefusedAndChangeNothing) {
  AIDocumentViewHandle view = firstView();
  for (AIReal refused : {0.0f, -1.0f, 1.0f / 128, 65.0f, std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN()})
    EXPECT_EQ(views->SetDocumentViewZoom(view, refused), kBadParameterErr) << refused;
  EXPECT_EQ(zoomOf(view), 1.0f);
  EXPECT_EQ(views->SetDocumentViewZoom(view, 1.0f / 64), kNoErr);
  EXPECT_EQ(views->SetDocumentViewZoom(view, 64), kNoErr);
}

TEST_F(DocumentViewTest, AViewOfAnotherDocumentIsStaleAndOutOfRangeViewsAreRefused) {
  AIDocumentViewHandle view = firstView();
  int32_t count = 0;
  EXPECT_EQ(views->CountDocumentViews(&count), kNoErr);
  EXPECT_EQ(count, 1);
  AIDocumentViewHandle none = nullptr;
  EXPECT_EQ(views->GetNthDocumentView(1, &none), kBadParameterErr);
  EXPECT_EQ(views->GetNthDocumentView(-1, &none), kBadParameterErr);
  testhost::newDocument(100, 100);
  AIReal zoom = 0;
  EXPECT_EQ(views->GetDocumentViewZoom(view, &zoom), kStaleHandleErr);
  EXPECT_EQ(views->SetDocumentViewZoom(view, 2), kStaleHandleErr);
  testhost::bringDocumentToFront(0);
  EXPECT_EQ(zoomOf(view), 1.0f);
  testhost::reset();
  EXPECT_EQ(views->GetDocumentViewZoom(nullptr, &zoom), kNoDocumentErr);
}
