// Where new art and new layers go: the six paint orders, and the layer list.
#include "HostFixture.h"

namespace {

using Names = std::vector<std::string>;

class PaintOrders : public HostTest {
 protected:
  // A layer group holding, front to back, "a", "b", "box" (holding "x") and "c".
  void SetUp() override {
    HostTest::SetUp();
    layerGroup = groupOf(currentLayer());
    newPath(nullptr, {{0, 0}}, "c");
    box = newGroup(nullptr, "box");
    x = newPath(box, {{0, 0}}, "x");
    b = newPath(nullptr, {{0, 0}}, "b");
    newPath(nullptr, {{0, 0}}, "a");
  }
  AIArtHandle layerGroup = nullptr, box = nullptr, x = nullptr, b = nullptr;
};

TEST_F(PaintOrders, EachOrderPlacesTheNewArtWhereItSays) {
  AIArtHandle empty = newGroup(nullptr, "empty");
  struct Case {
    int16_t order;
    AIArtHandle prep;
    AIArtHandle parent;
    Names expected;
  };
  const Case cases[] = {
      {kPlaceAbove, b, layerGroup, {"empty", "a", "new", "b", "box", "c"}},
      {kPlaceBelow, x, box, {"x", "new"}},
      {kPlaceAbove, x, box, {"new", "x", "new"}},
      {kPlaceInsideOnTop, box, box, {"new", "new", "x", "new"}},
      {kPlaceInsideOnBottom, box, box, {"new", "new", "x", "new", "new"}},
      {kPlaceInsideOnBottom, empty, empty, {"new"}},
      // A null prep with an inside order, and the "all" orders whatever the prep, mean the
      // current layer.
      {kPlaceInsideOnTop, nullptr, layerGroup, {"new", "empty", "a", "new", "b", "box", "c"}},
      {kPlaceInsideOnBottom, nullptr, layerGroup, {"new", "empty", "a", "new", "b", "box", "c", "new"}},
      {kPlaceAboveAll, x, layerGroup, {"new", "new", "empty", "a", "new", "b", "box", "c", "new"}},
      {kPlaceBelowAll, nullptr, layerGroup, {"new", "new", "empty", "a", "new", "b", "box", "c", "new", "new"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.expected));
    AIArtHandle made = newArt(kPathArt, c.order, c.prep);
    setName(made, "new");
    EXPECT_EQ(childNames(c.parent), c.expected);
    AIArtHandle parent = nullptr;
    EXPECT_EQ(art->GetArtParent(made, &parent), kNoErr);
    EXPECT_EQ(parent, c.parent);
  }
  // Art made on another layer made current belongs to it.
  AILayerHandle other = testhost::addLayer("Other");
  AILayerHandle owner = nullptr;
  EXPECT_EQ(art->GetLayerOfArt(newPath(nullptr, {{0, 0}}, "top"), &owner), kNoErr);
  EXPECT_EQ(owner, other);
}

TEST_F(PaintOrders, SiblingLinksRunBothWays) {
  AIArtHandle front = nullptr, beforeFront = x, behind = nullptr, beforeB = nullptr, childOfPath = x, parent = x;
  ASSERT_EQ(art->GetArtFirstChild(layerGroup, &front), kNoErr);
  const std::vector<AIErr> answers = {art->GetArtPriorSibling(front, &beforeFront), art->GetArtSibling(front, &behind),
                                      art->GetArtPriorSibling(b, &beforeB), art->GetArtFirstChild(x, &childOfPath),
                                      art->GetArtParent(layerGroup, &parent)};
  EXPECT_EQ(answers, std::vector<AIErr>(answers.size(), kNoErr));
  // A path has no children, a layer's group no parent.
  EXPECT_EQ(std::make_tuple(beforeFront, behind, beforeB, childOfPath, parent),
            std::make_tuple(nullptr, b, front, nullptr, nullptr));
}

TEST_F(PaintOrders, ImpossiblePlacementsAreRefusedAndMakeNothing) {
  const size_t before = testhost::liveArtCount();
  AIArtHandle made = nullptr;
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, b, &made), kBadParameterErr);  // not a group
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAbove, nullptr, &made), kBadParameterErr);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceBelow, layerGroup, &made), kBadParameterErr);
  EXPECT_EQ(art->NewArt(kPathArt, 0, box, &made), kBadParameterErr);
  EXPECT_EQ(art->NewArt(kPathArt, 7, box, &made), kBadParameterErr);
  EXPECT_EQ(art->NewArt(kUnknownArt, kPlaceInsideOnTop, box, &made), kBadParameterErr);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, box, nullptr), kBadParameterErr);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(testhost::liveArtCount(), before);
  EXPECT_EQ(art->DisposeArt(layerGroup), kBadParameterErr);
}

class LayerOrder : public HostTest {
 protected:
  Names titles() {
    Names result;
    int32_t count = 0;
    EXPECT_EQ(layers->CountLayers(&count), kNoErr);
    for (int32_t n = 0; n < count; ++n) {
      AILayerHandle layer = nullptr;
      EXPECT_EQ(layers->GetNthLayer(n, &layer), kNoErr);
      result.push_back(titleOf(layer));
    }
    return result;
  }
  AILayerHandle insert(AILayerHandle base, int16_t order) {
    AILayerHandle made = nullptr;
    EXPECT_EQ(layers->InsertLayer(base, order, &made), kNoErr);
    return made;
  }
};

TEST_F(LayerOrder, InsertedLayersTakeTheirPlaceAndLeaveTheCurrentLayer) {
  AILayerHandle first = currentLayer();
  AILayerHandle top = insert(first, kPlaceAboveAll);
  insert(first, kPlaceBelowAll);
  insert(first, kPlaceAbove);
  insert(top, kPlaceBelow);
  EXPECT_EQ(titles(), (Names{"Calque 2", "Calque 5", "Calque 4", "Calque 1", "Calque 3"}));
  EXPECT_EQ(currentLayer(), first);
  AIBoolean editable = 0, visible = 0;
  EXPECT_EQ(layers->GetLayerEditable(top, &editable), kNoErr);
  EXPECT_EQ(layers->GetLayerVisible(top, &visible), kNoErr);
  EXPECT_TRUE(editable && visible);
  EXPECT_EQ(childNames(groupOf(top)), Names{});

  // Deleting the current layer makes the next one current.
  ASSERT_EQ(layers->SetCurrentLayer(top), kNoErr);
  ASSERT_EQ(layers->DeleteLayer(top), kNoErr);
  EXPECT_EQ(titleOf(currentLayer()), "Calque 5");
}

TEST_F(LayerOrder, RefusedInsertionsMakeNoLayer) {
  AILayerHandle made = nullptr;
  EXPECT_EQ(layers->InsertLayer(nullptr, kPlaceAbove, &made), kBadParameterErr);
  EXPECT_EQ(layers->InsertLayer(currentLayer(), kPlaceInsideOnTop, &made), kBadParameterErr);
  EXPECT_EQ(layers->InsertLayer(currentLayer(), kPlaceAboveAll, nullptr), kBadParameterErr);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(titles(), Names{"Calque 1"});
  AILayerHandle beyond = nullptr;
  EXPECT_EQ(layers->GetNthLayer(1, &beyond), kBadParameterErr);
  EXPECT_EQ(layers->GetNthLayer(-1, &beyond), kBadParameterErr);
  EXPECT_EQ(beyond, nullptr);
  EXPECT_EQ(layers->DeleteLayer(currentLayer()), kBadParameterErr);  // the last layer stays
}

}  // namespace
