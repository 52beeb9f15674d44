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

TEST_F(GroupeParent, LockedGuidesLayerRefusesTheClickAndChangesNothing) {
  testhost::newDocument(595, 842);
  Clic();
  const Lignes avant = testhost::artLines();
  const size_t objetsAvant = testhost::liveArtCount();
  testhost::setLayerEditable("Ralto-Guides", false);
  NombreDeColonnes = 4;
  EXPECT_EQ(Clic(), kLayerLockedErr);
  EXPECT_EQ(testhost::alerts(), (Lignes{"Tracé impossible, le calque est verrouillé."}));
  EXPECT_EQ(testhost::artLines(), avant);
  EXPECT_EQ(testhost::liveArtCount(), objetsAvant);
}

TEST_F(GroupeParent, LockedCurrentLayerRefusesTheParentButNotAnEarlierOne) {
  testhost::newDocument(595, 842);
  testhost::setLayerEditable("Calque 1", false);
  GroupeCree = false;
  EXPECT_EQ(CreationGroupe(), kLayerLockedErr);
  EXPECT_FALSE(GroupeCree);
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");  // made before the current layer is looked at
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  // With a parent from an earlier click the guides still go there.
  testhost::setLayerEditable("Calque 1", true);
  Clic();
  testhost::setLayerEditable("Calque 1", false);
  NombreDeColonnes = 3;
  Clic();
  EXPECT_EQ(testhost::alerts(), (Lignes(2, "Tracé impossible, le calque est verrouillé.")));
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 6"}));
  EXPECT_EQ(Guides(kRep + "/Colonnes1 "), 4u);
}

}  // namespace
