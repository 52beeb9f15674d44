// Undo through the host's model, where the sessions cannot reach: art an undo brings back
// comes back under the handle it had, even when another document made art since, since a
// slot an undo step keeps is never given to new art; and it comes back whole, however many
// times its making or its disposal is undone and redone.
#include "HostFixture.h"
#include "model/Model.h"

namespace {

class UndoTest : public HostTest {
 protected:
  // The group of two paths the test makes, read back in full.
  void expectWholeGroup(AIArtHandle group, AIArtHandle first) {
    EXPECT_EQ(childNames(group), (std::vector<std::string>{"second", "first"}));
    AIPathSegment read[2] = {};
    ASSERT_EQ(path->GetPathSegments(first, 0, 2, read), kNoErr);
    EXPECT_EQ(read[1].p.h, 20.5f);
    EXPECT_EQ(read[1].p.v, 7.25f);
  }
};

TEST_F(UndoTest, ArtBroughtBackKeepsItsHandleWhateverAnotherDocumentMadeMeanwhile) {
  host::Model& model = host::model();
  model.markStep();
  AIArtHandle kept = newPath(nullptr, {{10, 10}, {20, 20}}, "kept");
  model.markStep();
  ASSERT_EQ(art->DisposeArt(kept), kNoErr);
  model.markStep();
  testhost::newDocument(100, 100);
  model.markStep();
  std::vector<AIArtHandle> others;
  for (int k = 0; k < 8; ++k) others.push_back(newPath(nullptr, {{0, 0}, {1, 1}}));
  model.markStep();
  testhost::bringDocumentToFront(0);
  ASSERT_EQ(model.undo(), kNoErr);
  EXPECT_EQ(nameOf(kept), "kept");
  testhost::bringDocumentToFront(1);
  for (AIArtHandle other : others) EXPECT_EQ(nameOf(other), "<Tracé>");
  EXPECT_EQ(testhost::artLines().size(), 8u);
  testhost::bringDocumentToFront(0);
  ASSERT_EQ(model.redo(), kNoErr);
  AIBoolean valid = true;
  EXPECT_EQ(art->ValidArt(kept, true, &valid), kNoErr);
  EXPECT_FALSE(valid);
  EXPECT_EQ(model.redo(), kNotFoundErr);
}

TEST_F(UndoTest, ArtMadeOrDisposedComesBackWholeAtEveryUndoAndRedo) {
  host::Model& model = host::model();
  model.markStep();
  AIArtHandle group = newGroup(nullptr, "group");
  AIArtHandle first = newPath(group, {{1, 2}, {20.5f, 7.25f}}, "first");
  newPath(group, {{3, 4}, {5, 6}}, "second");
  model.markStep();
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(model.undo(), kNoErr);
    EXPECT_FALSE(valid(group));
    EXPECT_FALSE(valid(first));
    ASSERT_EQ(model.redo(), kNoErr);
    expectWholeGroup(group, first);
  }
  ASSERT_EQ(art->DisposeArt(group), kNoErr);
  model.markStep();
  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(model.undo(), kNoErr);
    expectWholeGroup(group, first);
    ASSERT_EQ(model.redo(), kNoErr);
    EXPECT_FALSE(valid(first));
  }
  // Both steps undone: nothing; both redone: the group is gone again.
  ASSERT_EQ(model.undo(), kNoErr);
  ASSERT_EQ(model.undo(), kNoErr);
  EXPECT_FALSE(valid(group));
  ASSERT_EQ(model.redo(), kNoErr);
  expectWholeGroup(group, first);
}

}  // namespace
