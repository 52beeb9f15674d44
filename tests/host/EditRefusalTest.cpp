// Edits the host refuses: art in a locked layer, non-finite coordinates, ranges outside a
// path. A refused edit changes nothing.
#include <limits>

#include "HostFixture.h"

namespace {

class LockedLayer : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    group = newGroup(nullptr, "G");
    guide = newPath(group, {{1, 2}, {3, 4}}, "guide");
    ASSERT_EQ(layers->SetLayerEditable(currentLayer(), 0), kNoErr);
  }
  AIArtHandle group = nullptr, guide = nullptr;
};

TEST_F(LockedLayer, RefusesToMakeDisposeOrChangeArt) {
  const auto before = testhost::artLines();
  const size_t count = testhost::liveArtCount();
  AIArtHandle made = nullptr;
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, group, &made), kLayerLockedErr);
  EXPECT_EQ(art->NewArt(kGroupArt, kPlaceAboveAll, nullptr, &made), kLayerLockedErr);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceBelow, guide, &made), kLayerLockedErr);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(art->DisposeArt(guide), kLayerLockedErr);
  EXPECT_EQ(art->DisposeArt(group), kLayerLockedErr);
  AIUnicodeStringRef name = makeString("renamed");
  EXPECT_EQ(art->SetArtName(guide, name), kLayerLockedErr);
  strings->Dispose(name);
  EXPECT_EQ(art->SetArtUserAttr(guide, kArtLocked, kArtLocked), kLayerLockedErr);
  AIPathSegment segment{{9, 9}, {9, 9}, {9, 9}, 0};
  EXPECT_EQ(path->SetPathSegmentCount(guide, 3), kLayerLockedErr);
  EXPECT_EQ(path->SetPathSegments(guide, 0, 1, &segment), kLayerLockedErr);
  EXPECT_EQ(path->SetPathClosed(guide, 1), kLayerLockedErr);
  EXPECT_EQ(path->SetPathIsGuide(guide, 1), kLayerLockedErr);

  EXPECT_EQ(testhost::artLines(), before);
  EXPECT_EQ(testhost::liveArtCount(), count);
  EXPECT_EQ(testhost::guideLines(), std::vector<std::string>{});
  int32_t attr = -1;
  EXPECT_EQ(art->GetArtUserAttr(guide, kArtLocked, &attr), kNoErr);  // reading is fine
  EXPECT_EQ(attr, 0);

  // A locked layer cannot be deleted; unlocked, it takes edits again.
  AILayerHandle locked = currentLayer();
  testhost::addLayer("Free");
  EXPECT_EQ(layers->DeleteLayer(locked), kLayerLockedErr);
  testhost::setLayerEditable("Calque 1", true);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, group, &made), kNoErr);
  EXPECT_EQ(art->DisposeArt(guide), kNoErr);
}

TEST_F(HostTest, LockedArtCanStillBeEditedThroughTheSuites) {
  AIArtHandle guide = newArt(kPathArt, kPlaceAboveAll);
  ASSERT_EQ(art->SetArtUserAttr(guide, kArtLocked, kArtLocked), kNoErr);
  AIPathSegment ends[2] = {{{5, 842}, {5, 842}, {5, 842}, 0}, {{5, 0}, {5, 0}, {5, 0}, 0}};
  EXPECT_EQ(path->SetPathSegmentCount(guide, 2), kNoErr);
  EXPECT_EQ(path->SetPathSegments(guide, 0, 2, ends), kNoErr);
  EXPECT_EQ(path->SetPathIsGuide(guide, 1), kNoErr);
  EXPECT_EQ(testhost::guideLines(), std::vector<std::string>{"Calque 1 5 842 5 0 locked"});
  int32_t attr = 0;
  EXPECT_EQ(art->GetArtUserAttr(guide, kArtLocked | kArtHidden, &attr), kNoErr);
  EXPECT_EQ(attr, kArtLocked);
  EXPECT_EQ(art->SetArtUserAttr(guide, kArtLocked, 0), kNoErr);
  EXPECT_EQ(testhost::guideLines(), std::vector<std::string>{"Calque 1 5 842 5 0 unlocked"});
}

class PathEdits : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    line = newPath(nullptr, {{1, 2}, {3, 4}});
  }
  // The anchor points, "h v;" each, in order.
  std::string anchors() {
    int16_t count = 0;
    EXPECT_EQ(path->GetPathSegmentCount(line, &count), kNoErr);
    std::vector<AIPathSegment> segments(static_cast<size_t>(count));
    EXPECT_EQ(path->GetPathSegments(line, 0, count, segments.data()), kNoErr);
    std::string points;
    for (const AIPathSegment& s : segments) points += host::numberText(s.p.h) + " " + host::numberText(s.p.v) + ";";
    return points;
  }
  AIArtHandle line = nullptr;
};

TEST_F(PathEdits, NonFiniteCoordinatesAreRefusedAndChangeNothing) {
  const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity()};
  for (float value : bad) {
    AIPathSegment segments[2] = {{{7, 7}, {7, 7}, {7, 7}, 0}, {{8, 8}, {8, 8}, {8, 8}, 0}};
    segments[1].p.v = value;
    EXPECT_EQ(path->SetPathSegments(line, 0, 2, segments), kNotFiniteErr);
    segments[1].p.v = 8;
    segments[1].out.h = value;  // handles are checked as well as anchors
    EXPECT_EQ(path->SetPathSegments(line, 0, 2, segments), kNotFiniteErr);
  }
  EXPECT_EQ(anchors(), "1 2;3 4;");
}

TEST_F(PathEdits, RangesOutsideThePathAreRefused) {
  AIPathSegment buffer[3] = {};
  buffer[0].p = {-5, -5};
  EXPECT_EQ(path->GetPathSegments(line, 1, 2, buffer), kBadParameterErr);
  EXPECT_EQ(path->GetPathSegments(line, -1, 1, buffer), kBadParameterErr);
  EXPECT_EQ(path->GetPathSegments(line, 0, -1, buffer), kBadParameterErr);
  EXPECT_EQ(path->GetPathSegments(line, 32767, 32767, buffer), kBadParameterErr);
  EXPECT_EQ(path->GetPathSegments(line, 0, 1, nullptr), kBadParameterErr);
  EXPECT_EQ(buffer[0].p.h, -5);
  EXPECT_EQ(path->SetPathSegments(line, 2, 1, buffer), kBadParameterErr);
  EXPECT_EQ(path->SetPathSegments(line, 0, 1, nullptr), kBadParameterErr);
  EXPECT_EQ(path->SetPathSegmentCount(line, -1), kBadParameterErr);
  EXPECT_EQ(anchors(), "1 2;3 4;");

  AIArtHandle group = newGroup(nullptr, "G");  // a group has no segments
  int16_t count = 0;
  EXPECT_EQ(path->GetPathSegmentCount(group, &count), kBadParameterErr);
  EXPECT_EQ(path->SetPathIsGuide(group, 1), kBadParameterErr);
}

TEST_F(PathEdits, CountChangesKeepTheFirstSegmentsAndAddEmptyOnes) {
  ASSERT_EQ(path->SetPathSegmentCount(line, 3), kNoErr);
  EXPECT_EQ(anchors(), "1 2;3 4;0 0;");
  ASSERT_EQ(path->SetPathSegmentCount(line, 1), kNoErr);
  EXPECT_EQ(anchors(), "1 2;");
  ASSERT_EQ(path->SetPathSegmentCount(line, 0), kNoErr);
  EXPECT_EQ(anchors(), "");
  EXPECT_EQ(path->SetPathSegmentCount(line, 32767), kNoErr);
}

}  // namespace
