// What the hit test finds under a point: the topmost visible, non-guide leaf art within
// the tolerance of its outline, or inside a closed path; and what it passes over.
#include <limits>

#include "AIHitTest.h"
#include "HostFixture.h"

class HitTest : public HostTest {
 protected:
  const AIHitTestSuite* hits = testhost::suite<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);

  // The art hit at a point (null for none), with its part; the hit record is released.
  AIArtHandle hitAt(float h, float v, float tolerance, int32_t* part = nullptr, AIArtHandle within = nullptr) {
    const AIRealPoint point{h, v};
    AIHitRef hit = nullptr;
    EXPECT_EQ(hits->HitTestEx(within, &point, kFillHitRequest, tolerance, &hit), kNoErr);
    AIToolHitData data{};
    EXPECT_EQ(hits->GetHitData(hit, &data), kNoErr);
    EXPECT_EQ(hits->Release(hit), kNoErr);
    EXPECT_EQ(data.hit != 0, data.object != nullptr);
    if (part) *part = data.type;
    return data.object;
  }
  AIArtHandle closedRect(AIArtHandle parent, float left, float top, float right, float bottom, const char* name) {
    AIArtHandle made = newPath(parent, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, name);
    EXPECT_EQ(path->SetPathClosed(made, 1), kNoErr);
    return made;
  }
  void hide(AIArtHandle target) { EXPECT_EQ(art->SetArtUserAttr(target, kArtHidden, kArtHidden), kNoErr); }

  void SetUp() override {
    HostTest::SetUp();
    layerGroup = groupOf(currentLayer());
  }

  AIArtHandle layerGroup = nullptr;
};

// The sessions click on and beside closed frames; an open path is hit only near its outline.
TEST_F(HitTest, TheOutlineIsHitWithinTheToleranceAndOnlyAClosedPathInside) {
  AIArtHandle line = newPath(layerGroup, {{0, 0}, {100, 0}}, "ligne");
  AIArtHandle box = closedRect(layerGroup, 200, 300, 300, 200, "boîte");
  const auto withPart = [&](float h, float v, float tolerance) {
    int32_t part = -1;
    return std::make_tuple(hitAt(h, v, tolerance, &part), part);
  };
  EXPECT_EQ(withPart(50, 4, 4), std::make_tuple(line, kOutlineHitType));  // exactly at the tolerance
  EXPECT_EQ(hitAt(50, 4.01f, 4), nullptr);
  EXPECT_EQ(hitAt(103, 0, 4), line);  // beyond the end, within reach of it
  EXPECT_EQ(hitAt(50, 20, 4), nullptr);  // an open path has no inside
  EXPECT_EQ(withPart(250, 250, 1), std::make_tuple(box, kInsideHitType));
  EXPECT_EQ(withPart(190, 250, 1), std::make_tuple(nullptr, kNothingHitType));
  EXPECT_EQ(hitAt(300, 200, 0), box);  // a corner, with no tolerance at all
}

TEST_F(HitTest, TheTopmostLeafIsHitAcrossGroupsAndLayers) {
  AIArtHandle below = closedRect(layerGroup, 0, 100, 100, 0, "dessous");
  AIArtHandle group = newGroup(layerGroup, "groupe");
  AIArtHandle inGroup = closedRect(group, 50, 100, 150, 0, "dans le groupe");
  EXPECT_EQ(hitAt(75, 50, 1), inGroup);  // the group is above; the leaf is the hit, not it
  EXPECT_EQ(hitAt(25, 50, 1), below);
  testhost::addLayer("Dessus");
  AIArtHandle top = closedRect(groupOf(currentLayer()), 0, 100, 60, 0, "dessus");
  EXPECT_EQ(hitAt(55, 50, 1), top);
  EXPECT_EQ(hitAt(75, 50, 1), inGroup);
  EXPECT_EQ(hitAt(125, 50, 1), inGroup);
  EXPECT_EQ(hitAt(125, 50, 1, nullptr, below), nullptr);  // only within the art given
  EXPECT_EQ(hitAt(25, 50, 1, nullptr, group), nullptr);
  EXPECT_EQ(hitAt(25, 50, 1, nullptr, below), below);
  EXPECT_EQ(hitAt(75, 50, 1, nullptr, group), inGroup);
}

TEST_F(HitTest, HiddenLayersHiddenArtAndGuidesArePassedOver) {
  AIArtHandle bottom = closedRect(layerGroup, 0, 100, 100, 0, "fond");
  AIArtHandle hiddenGroup = newGroup(layerGroup, "groupe caché");
  AIArtHandle underHiddenGroup = closedRect(hiddenGroup, 0, 100, 100, 0, "dans un groupe caché");
  hide(hiddenGroup);
  AIArtHandle hidden = closedRect(layerGroup, 0, 100, 100, 0, "caché");
  hide(hidden);
  AIArtHandle guide = newPath(layerGroup, {{50, -10}, {50, 110}}, "repère");
  EXPECT_EQ(path->SetPathIsGuide(guide, 1), kNoErr);
  EXPECT_EQ(hitAt(50, 50, 2), bottom);

  AILayerHandle upper = testhost::addLayer("Masqué");
  AIArtHandle onHiddenLayer = closedRect(groupOf(upper), 0, 100, 100, 0, "sur un calque masqué");
  EXPECT_EQ(layers->SetLayerVisible(upper, 0), kNoErr);
  EXPECT_EQ(hitAt(50, 50, 2), bottom);
  // A hit test within one object sees it as the document shows it: not at all.
  for (AIArtHandle within : {hiddenGroup, underHiddenGroup, onHiddenLayer})
    EXPECT_EQ(hitAt(50, 50, 2, nullptr, within), nullptr);
}

TEST_F(HitTest, CurvedSegmentsAreFollowedAlongTheCurve) {
  // A quarter-circle-like arc from (0, 100) to (100, 0), bulging towards (100, 100).
  AIArtHandle arc = newArt(kPathArt, kPlaceInsideOnTop, layerGroup);
  const AIPathSegment segments[] = {{{0, 100}, {0, 100}, {55, 100}, 0}, {{100, 0}, {100, 55}, {100, 0}, 0}};
  ASSERT_EQ(path->SetPathSegmentCount(arc, 2), kNoErr);
  ASSERT_EQ(path->SetPathSegments(arc, 0, 2, segments), kNoErr);
  EXPECT_EQ(hitAt(50, 50, 2), nullptr);  // on the chord, far from the curve
  EXPECT_EQ(hitAt(71, 71, 2), arc);      // on the curve
}

TEST_F(HitTest, BadRequestsAreRefusedAndHitsReleasedOnce) {
  const AIRealPoint point{1, 1}, far{std::numeric_limits<float>::infinity(), 0};
  AIHitRef hit = nullptr;
  EXPECT_EQ(hits->HitTestEx(nullptr, &far, 0, 1, &hit), kBadParameterErr);
  EXPECT_EQ(hits->HitTestEx(nullptr, &point, 0, -1, &hit), kBadParameterErr);
  EXPECT_EQ(hits->HitTestEx(nullptr, &point, 0, std::numeric_limits<float>::quiet_NaN(), &hit), kBadParameterErr);
  AIArtHandle gone = closedRect(layerGroup, 0, 10, 10, 0, "parti");
  EXPECT_EQ(art->DisposeArt(gone), kNoErr);
  EXPECT_EQ(hits->HitTestEx(gone, &point, 0, 1, &hit), kStaleHandleErr);
  EXPECT_EQ(hits->HitTestEx(nullptr, &point, 0, 1, &hit), kNoErr);
  EXPECT_EQ(hits->Release(hit), kNoErr);
  EXPECT_EQ(hits->Release(hit), kBadParameterErr);
  AIToolHitData data{};
  EXPECT_EQ(hits->GetHitData(hit, &data), kBadParameterErr);
  testhost::reset();
  EXPECT_EQ(hits->HitTestEx(nullptr, &point, 0, 1, &hit), kNoDocumentErr);
}
