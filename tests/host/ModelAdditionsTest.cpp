// Closing documents and finding art by the names people give it.
#include "HostFixture.h"
#include "model/ArtLookup.h"
#include "model/Model.h"

TEST_F(HostTest, ClosingADocumentFreesItsArtAndBringsTheLastOneInFront) {
  AIArtHandle kept = testhost::addRect({0, 10, 10, 0}, "gardé");
  testhost::newDocument(100, 100);
  AIArtHandle group = newGroup(groupOf(currentLayer()), "groupe");
  newPath(group, {{1, 1}, {2, 2}}, "trait");
  testhost::addLayer("Deuxième");
  const size_t before = testhost::liveArtCount();

  host::Model& model = host::model();
  ASSERT_EQ(model.closeDocument(1), kNoErr);
  // Two layer groups, the group and its path are gone.
  EXPECT_EQ(std::make_tuple(testhost::liveArtCount(), model.documentCount(), model.front()),
            std::make_tuple(before - 4, 1u, &model.documentAt(0)));
  EXPECT_TRUE(valid(kept));
  EXPECT_EQ(model.closeDocument(1), kBadParameterErr);
  ASSERT_EQ(model.closeDocument(0), kNoErr);
  EXPECT_EQ(std::make_tuple(model.front(), testhost::liveArtCount()), std::make_tuple(nullptr, 0u));
}

TEST_F(HostTest, ArtIsFoundByItsNameOrByAPathFromItsLayer) {
  AIArtHandle root = groupOf(currentLayer());
  AIArtHandle back = newGroup(root, "Repères");
  AIArtHandle backLine = newPath(back, {{0, 0}, {1, 1}}, "ligne");
  AIArtHandle front = newGroup(root, "Repères");
  AIArtHandle frontLine = newPath(front, {{0, 0}, {1, 1}}, "ligne");
  newPath(root, {{0, 0}}, "");

  const auto find = [](const char* path) {
    return host::toHandle<AIArtHandle>(host::findArtByPath(host::model(), path));
  };
  EXPECT_EQ(find("ligne"), frontLine);  // front first
  EXPECT_EQ(find("Calque 1/Repères"), front);
  EXPECT_EQ(find("Calque 1/Repères/ligne"), frontLine);
  EXPECT_EQ(find("Calque 1/<unnamed>"), find("<unnamed>"));
  EXPECT_EQ(find("Repères/ligne"), nullptr);
  EXPECT_EQ(find("Calque 2/Repères"), nullptr);
  setName(front, "Autres");
  EXPECT_EQ(find("Calque 1/Repères/ligne"), backLine);
  EXPECT_EQ(find("Repères"), back);
}
