// Undo through the host's model, where the sessions cannot reach: art an undo brings back
// comes back under the handle it had, even when another document made art since, since a
// slot an undo step keeps is never given to new art.
#include "HostFixture.h"
#include "model/Model.h"

namespace {

using UndoTest = HostTest;

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

}  // namespace
