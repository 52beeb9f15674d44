// Where new art and new layers go: the six paint orders, and the layer list.
#include "HostFixture.h"

namespace {

class PaintOrders : public HostTest {
 protected:
  // A layer group holding, front to back, "a", "b", "c", with a group "box" holding "x".
  void SetUp() override {
    HostTest::SetUp();
    layerGroup = groupOf(currentLayer());
    newPath(nullptr, {{0, 0}}, "c");
    box = newGroup(nullptr, "box");
    x = newPath(box, {{0, 0}}, "x");
    b = newPath(nullptr, {{0, 0}}, "b");
    newPath(nullptr, {{0, 0}}, "a");
  }
  AIArtHandle placed(int16_t order, AIArtHandle prep) {
    AIArtHandle made = newArt(kPathArt, order, prep);
    setName(made, "new");
    return made;
  }
  AIArtHandle layerGroup = nullptr, box = nullptr, x = nullptr, b = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(PaintOrders, AboveAndBelowPlaceNextToTheReference) {
  AIArtHandle above = placed(kPlaceAbove, b);
  EXPECT_EQ(childNames(layerGroup), (Names{"a", "new", "b", "box", "c"}));
  AIArtHandle parent = nullptr;
  EXPECT_EQ(art->GetArtParent(above, &parent), kNoErr);
  EXPECT_EQ(parent, layerGroup);

  placed(kPlaceBelow, x);
  EXPECT_EQ(childNames(box), (Names{"x", "new"}));
  placed(kPlaceAbove, x);
  EXPECT_EQ(childNames(box), (Names{"new", "x", "new"}));
}

TEST_F(PaintOrders, InsideOrdersPlaceOnTopOrAtTheBottomOfAGroup) {
  placed(kPlaceInsideOnTop, box);
  placed(kPlaceInsideOnBottom, box);
  EXPECT_EQ(childNames(box), (Names{"new", "x", "new"}));

  AIArtHandle empty = newGroup(nullptr, "empty");
  placed(kPlaceInsideOnBottom, empty);
  EXPECT_EQ(childNames(empty), (Names{"new"}));
}

TEST_F(PaintOrders, NullPrepAndAllOrdersUseTheCurrentLayer) {
  placed(kPlaceInsideOnTop, nullptr);
  placed(kPlaceInsideOnBottom, nullptr);
  EXPECT_EQ(childNames(layerGroup), (Names{"new", "a", "b", "box", "c", "new"}));

  AILayerHandle other = testhost::addLayer("Other");
  placed(kPlaceAboveAll, x);  // the reference does not matter
  placed(kPlaceBelowAll, nullptr);
  AIArtHandle top = newPath(nullptr, {{0, 0}}, "top");
  EXPECT_EQ(childNames(groupOf(other)), (Names{"top", "new", "new"}));
  AILayerHandle owner = nullptr;
  EXPECT_EQ(art->GetLayerOfArt(top, &owner), kNoErr);
  EXPECT_EQ(owner, other);
}

TEST_F(PaintOrders, SiblingLinksRunBothWays) {
  AIArtHandle front = nullptr, prior = nullptr, behind = nullptr;
  ASSERT_EQ(art->GetArtFirstChild(layerGroup, &front), kNoErr);
  EXPECT_EQ(art->GetArtPriorSibling(front, &prior), kNoErr);
  EXPECT_EQ(prior, nullptr);
  EXPECT_EQ(art->GetArtSibling(front, &behind), kNoErr);
  EXPECT_EQ(behind, b);
  EXPECT_EQ(art->GetArtPriorSibling(b, &prior), kNoErr);
  EXPECT_EQ(prior, front);
  AIArtHandle none = x;
  EXPECT_EQ(art->GetArtFirstChild(x, &none), kNoErr);  // a path has no children
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(art->GetArtParent(layerGroup, &none), kNoErr);  // a layer's group has no parent
  EXPECT_EQ(none, nullptr);
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
  std::vector<std::string> titles() {
    std::vector<std::string> result;
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
  AILayerHandle nth = nullptr;
  ASSERT_EQ(layers->GetNthLayer(0, &nth), kNoErr);
  EXPECT_EQ(nth, top);
  EXPECT_EQ(currentLayer(), first);

  insert(first, kPlaceBelowAll);
  insert(first, kPlaceAbove);
  insert(top, kPlaceBelow);
  EXPECT_EQ(titles(),
            (std::vector<std::string>{"Calque 2", "Calque 5", "Calque 4", "Calque 1", "Calque 3"}));
  EXPECT_EQ(currentLayer(), first);

  AIBoolean editable = 0, visible = 0;
  EXPECT_EQ(layers->GetLayerEditable(top, &editable), kNoErr);
  EXPECT_EQ(layers->GetLayerVisible(top, &visible), kNoErr);
  EXPECT_TRUE(editable && visible);
  AIArtHandle group = groupOf(top);
  EXPECT_TRUE(valid(group));
  EXPECT_EQ(childNames(group), std::vector<std::string>{});
}

TEST_F(LayerOrder, RefusedInsertionsMakeNoLayer) {
  AILayerHandle made = nullptr;
  EXPECT_EQ(layers->InsertLayer(nullptr, kPlaceAbove, &made), kBadParameterErr);
  EXPECT_EQ(layers->InsertLayer(currentLayer(), kPlaceInsideOnTop, &made), kBadParameterErr);
  EXPECT_EQ(layers->InsertLayer(currentLayer(), kPlaceAboveAll, nullptr), kBadParameterErr);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(titles(), std::vector<std::string>{"Calque 1"});
  AILayerHandle beyond = nullptr;
  EXPECT_EQ(layers->GetNthLayer(1, &beyond), kBadParameterErr);
  EXPECT_EQ(layers->GetNthLayer(-1, &beyond), kBadParameterErr);
  EXPECT_EQ(beyond, nullptr);
  EXPECT_EQ(layers->DeleteLayer(currentLayer()), kBadParameterErr);  // the last layer stays
}

TEST_F(LayerOrder, TitlesKeepTheirAccentsAndCompareEqual) {
  AILayerHandle layer = insert(nullptr, kPlaceAboveAll);
  AIUnicodeStringRef title = makeString("Repères été");
  ASSERT_EQ(layers->SetLayerTitle(layer, title), kNoErr);
  EXPECT_EQ(titleOf(layer), "Repères été");

  AIUnicodeStringRef read = nullptr;
  ASSERT_EQ(layers->GetLayerTitle(layer, &read), kNoErr);
  int32_t order = 1;
  EXPECT_EQ(strings->Compare(read, title, &order), kNoErr);
  EXPECT_EQ(order, 0);
  // Reading into a string already there replaces it without leaking it.
  ASSERT_EQ(layers->GetLayerTitle(currentLayer(), &read), kNoErr);
  EXPECT_EQ(take(read), "Calque 1");
  strings->Dispose(title);
}

TEST_F(LayerOrder, DeletingTheCurrentLayerMakesTheNextOneCurrent) {
  AILayerHandle first = currentLayer();
  AILayerHandle top = testhost::addLayer("Top");
  ASSERT_EQ(layers->DeleteLayer(top), kNoErr);
  EXPECT_EQ(currentLayer(), first);
  EXPECT_EQ(titles(), std::vector<std::string>{"Calque 1"});
}

}  // namespace
