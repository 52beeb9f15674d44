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
  const std::string r = kRep + "/", p = "/<unnamed> path 2 guide";
  EXPECT_EQ(testhost::artLines(),
            (Lignes{kRep + " group 6", r + "Lignes1 group 2", r + "Lignes1" + p, r + "Lignes1" + p,
                    r + "Colonnes1 group 2", r + "Colonnes1" + p, r + "Colonnes1" + p,
                    r + "Marges haut1 group 1", r + "Marges haut1" + p, r + "Marges bas1 group 1",
                    r + "Marges bas1" + p, r + "Marges gauche1 group 1", r + "Marges gauche1" + p,
                    r + "Marges droite1 group 1", r + "Marges droite1" + p}));
  // The default set on an A4 artboard, to the last bit, each kind's last guide in front.
  EXPECT_EQ(testhost::guideLines(),
            (Lignes{r + "Lignes1 8.503936767578125 418.1653747558594 586.4960327148438 418.1653747558594 locked",
                    r + "Lignes1 8.503936767578125 423.83465576171875 586.4960327148438 423.83465576171875 locked",
                    r + "Colonnes1 300.3346252441406 833.4960327148438 300.3346252441406 8.503936767578125 locked",
                    r + "Colonnes1 294.66534423828125 833.4960327148438 294.66534423828125 8.503936767578125 locked",
                    r + "Marges haut1 0 833.4960327148438 595 833.4960327148438 locked",
                    r + "Marges bas1 0 8.503936767578125 595 8.503936767578125 locked",
                    r + "Marges gauche1 8.503936767578125 842 8.503936767578125 0 locked",
                    r + "Marges droite1 586.4960327148438 842 586.4960327148438 0 locked"}));
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
