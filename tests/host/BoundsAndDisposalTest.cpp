// Bounds computed from anchor points, and disposal freeing whole subtrees.
#include "HostFixture.h"

namespace {

TEST_F(HostTest, BoundsCoverTheAnchorPointsOfAPathOrOfAGroupsDescendants) {
  AIArtHandle group = newGroup(nullptr, "G");
  // Handles far outside do not count: only anchor points make the bounds.
  AIArtHandle line = newArt(kPathArt, kPlaceInsideOnTop, group);
  AIPathSegment segments[2] = {{{10, 50}, {-900, 900}, {900, -900}, 0},
                               {{30, 20}, {30, 20}, {30, 20}, 0}};
  ASSERT_EQ(path->SetPathSegmentCount(line, 2), kNoErr);
  ASSERT_EQ(path->SetPathSegments(line, 0, 2, segments), kNoErr);
  AIRealRect bounds{};
  ASSERT_EQ(art->GetArtBounds(line, &bounds), kNoErr);
  EXPECT_EQ(corners(bounds), "10 50 30 20");

  // An empty group has empty bounds, and adds nothing to its parent's.
  AIArtHandle empty = newGroup(group, "empty");
  AIRealRect none{1, 1, 1, 1};
  ASSERT_EQ(art->GetArtBounds(empty, &none), kNoErr);
  EXPECT_EQ(corners(none), "0 0 0 0");
  EXPECT_EQ(art->GetArtBounds(empty, nullptr), kBadParameterErr);

  AIArtHandle inner = newGroup(group, "inner");
  newPath(inner, {{-5.5f, 8.25f}, {12, 70}});
  ASSERT_EQ(art->GetArtBounds(group, &bounds), kNoErr);
  EXPECT_EQ(corners(bounds), "-5.5 70 30 8.25");
}

TEST_F(HostTest, DisposingAGroupFreesItsWholeSubtreeAndOnlyIt) {
  const size_t empty = testhost::liveArtCount();  // the layer's own group
  EXPECT_EQ(empty, 1u);
  AIArtHandle keep = newPath(nullptr, {{0, 0}}, "keep");
  AIArtHandle outer = newGroup(nullptr, "outer");
  for (int i = 0; i < 3; ++i) {
    AIArtHandle inner = newGroup(outer, "inner");
    for (int j = 0; j < 4; ++j) newPath(inner, {{0, 0}, {1, 1}});
  }
  EXPECT_EQ(testhost::liveArtCount(), empty + 2 + 3 * 5);
  ASSERT_EQ(art->DisposeArt(outer), kNoErr);
  EXPECT_EQ(testhost::liveArtCount(), empty + 1);
  EXPECT_TRUE(valid(keep));
  EXPECT_EQ(testhost::artLines(), std::vector<std::string>{"Calque 1/keep path 1"});
  EXPECT_EQ(art->DisposeArt(outer), kStaleHandleErr);
}

TEST_F(HostTest, DeepNestingIsMeasuredAndDisposedWithoutExhaustingTheStack) {
  AIArtHandle group = nullptr;
  for (int depth = 0; depth < 100000; ++depth) group = newArt(kGroupArt, kPlaceInsideOnTop, group);
  newPath(group, {{1, 1}, {2, 2}});
  AIArtHandle top = nullptr;
  ASSERT_EQ(art->GetArtFirstChild(groupOf(currentLayer()), &top), kNoErr);
  AIRealRect bounds{};
  EXPECT_EQ(art->GetArtBounds(top, &bounds), kNoErr);
  EXPECT_EQ(bounds.right, 2);
  ASSERT_EQ(art->DisposeArt(top), kNoErr);
  EXPECT_EQ(testhost::liveArtCount(), 1u);
}

}  // namespace
