// The guides layer and the parent group of each click.
#include "ClicOutil.h"

namespace {

class GroupeParent : public ClicOutil {};

TEST_F(GroupeParent, FirstClickMakesTheLayerAboveAllWithOneParentHoldingTheKinds) {
  testhost::newDocument(595, 842);
  testhost::addLayer("Dessus");
  EXPECT_EQ(Clic(), kNoErr);
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  EXPECT_EQ(TitreDuCalque(1), "Dessus");
  // The parent's six kind groups and their guides, to the last bit, are printed by the
  // tool_layout_out_of_reach and tool_click_artboard sessions.
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 6"}));
  EXPECT_TRUE(testhost::alerts().empty());
}

TEST_F(GroupeParent, EmptiedParentsStayUnlessEmptyAtTheNextClick) {
  testhost::newDocument(595, 842);
  Clic();
  Clic();  // the re-trace empties the first parent, which stays
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 6", kRep + " group 0"}));
  Clic();  // only the second parent is looked at, and it still holds guides
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 6", kRep + " group 0", kRep + " group 0"}));
  // A set that lays out nothing removes this artboard's kind groups and makes none...
  MargeHaut = MargeBas = MargeGauche = MargeDroite = 0;
  NombreDeColonnes = NombreDeLignes = 1;
  EXPECT_EQ(Clic(), kNoErr);
  EXPECT_EQ(Parents(), (Lignes(4, kRep + " group 0")));
  // ...and its empty parent goes at the next click.
  MetSetParDefaut();
  Clic();
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 6", kRep + " group 0", kRep + " group 0", kRep + " group 0"}));
  EXPECT_EQ(TitreDuCalque(1), "Calque 1");
}

}  // namespace
