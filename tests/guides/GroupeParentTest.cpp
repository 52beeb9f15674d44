// The guides layer and the parent group of each click.
#include "ClicSimule.h"

namespace {

using Lignes = std::vector<std::string>;

class GroupeParent : public ClicSimule {};

TEST_F(GroupeParent, FirstClickMakesTheLayerAboveAllWithOneParentHoldingTheKinds) {
  testhost::newDocument(595, 842);
  testhost::addLayer("Dessus");
  EXPECT_EQ(ClicSurPlan(), kNoErr);
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  EXPECT_EQ(TitreDuCalque(1), "Dessus");
  const std::string r = "Ralto-Guides/Repères";
  const std::string chemin = "/<unnamed> path 2 guide";
  EXPECT_EQ(testhost::artLines(),
            (Lignes{r + " group 6",
                    r + "/Lignes1 group 2", r + "/Lignes1" + chemin, r + "/Lignes1" + chemin,
                    r + "/Colonnes1 group 2", r + "/Colonnes1" + chemin, r + "/Colonnes1" + chemin,
                    r + "/Marges haut1 group 1", r + "/Marges haut1" + chemin,
                    r + "/Marges bas1 group 1", r + "/Marges bas1" + chemin,
                    r + "/Marges gauche1 group 1", r + "/Marges gauche1" + chemin,
                    r + "/Marges droite1 group 1", r + "/Marges droite1" + chemin}));
  // The default set on an A4 artboard, to the last bit, each kind's last guide in front.
  EXPECT_EQ(testhost::guideLines(),
            (Lignes{r + "/Lignes1 8.503936767578125 418.1653747558594 586.4960327148438 418.1653747558594 locked",
                    r + "/Lignes1 8.503936767578125 423.83465576171875 586.4960327148438 423.83465576171875 locked",
                    r + "/Colonnes1 300.3346252441406 833.4960327148438 300.3346252441406 8.503936767578125 locked",
                    r + "/Colonnes1 294.66534423828125 833.4960327148438 294.66534423828125 8.503936767578125 locked",
                    r + "/Marges haut1 0 833.4960327148438 595 833.4960327148438 locked",
                    r + "/Marges bas1 0 8.503936767578125 595 8.503936767578125 locked",
                    r + "/Marges gauche1 8.503936767578125 842 8.503936767578125 0 locked",
                    r + "/Marges droite1 586.4960327148438 842 586.4960327148438 0 locked"}));
  EXPECT_TRUE(testhost::alerts().empty());
}

TEST_F(GroupeParent, LaterClicksReuseTheLayerAndLeaveEmptiedParentsBehind) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  ClicSurPlan();
  // The new parent is on top; the first was emptied by the re-trace and stays.
  EXPECT_EQ(LignesCommencant(testhost::artLines(), "Ralto-Guides/Repères "),
            (Lignes{"Ralto-Guides/Repères group 6", "Ralto-Guides/Repères group 0"}));
  // At the third click only the second parent is looked at, and it still holds guides.
  ClicSurPlan();
  EXPECT_EQ(LignesCommencant(testhost::artLines(), "Ralto-Guides/Repères "),
            (Lignes{"Ralto-Guides/Repères group 6", "Ralto-Guides/Repères group 0",
                    "Ralto-Guides/Repères group 0"}));
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  EXPECT_EQ(TitreDuCalque(1), "Calque 1");
  EXPECT_EQ(testhost::guideLines().size(), 8u);
}

TEST_F(GroupeParent, ClickThatMakesNoGuideLeavesAnEmptyParentDisposedAtTheNextClick) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  MetSetVide();
  EXPECT_EQ(ClicSurPlan(), kNoErr);
  // The kind groups of the artboard are gone and none was made.
  EXPECT_EQ(LignesCommencant(testhost::artLines(), "Ralto-Guides/Repères"),
            (Lignes{"Ralto-Guides/Repères group 0", "Ralto-Guides/Repères group 0"}));
  MetSetParDefaut();
  ClicSurPlan();
  EXPECT_EQ(LignesCommencant(testhost::artLines(), "Ralto-Guides/Repères "),
            (Lignes{"Ralto-Guides/Repères group 6", "Ralto-Guides/Repères group 0"}));
}

TEST_F(GroupeParent, OneParentPerClickEvenWhenCalledTwice) {
  testhost::newDocument(595, 842);
  GroupeCree = false;
  EXPECT_EQ(CreationGroupe(), kNoErr);
  const AIArtHandle premier = AHGroupe;
  EXPECT_EQ(CreationGroupe(), kNoErr);
  EXPECT_EQ(AHGroupe, premier);
  EXPECT_EQ(testhost::artLines(), (Lignes{"Ralto-Guides/Repères group 0"}));
}

TEST_F(GroupeParent, LockedGuidesLayerRefusesTheClickAndChangesNothing) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  const Lignes avant = testhost::artLines();
  const size_t objetsAvant = testhost::liveArtCount();
  testhost::setLayerEditable("Ralto-Guides", false);
  MetSetVide();
  NombreDeColonnes = 4;
  EXPECT_NE(ClicSurPlan(), kNoErr);
  EXPECT_EQ(testhost::alerts(), (Lignes{"Tracé impossible, le calque est verrouillé."}));
  EXPECT_EQ(testhost::artLines(), avant);
  EXPECT_EQ(testhost::liveArtCount(), objetsAvant);
}

TEST_F(GroupeParent, LockedCurrentLayerRefusesTheParentGroup) {
  testhost::newDocument(595, 842);
  testhost::setLayerEditable("Calque 1", false);
  GroupeCree = false;
  EXPECT_EQ(CreationGroupe(), kLayerLockedErr);
  EXPECT_FALSE(GroupeCree);
  EXPECT_EQ(testhost::alerts(), (Lignes{"Tracé impossible, le calque est verrouillé."}));
  // The guides layer was made before the current layer was looked at; it stays empty.
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
}

TEST_F(GroupeParent, LockedCurrentLayerAfterAClickPutsTheGuidesInTheEarlierParent) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  testhost::setLayerEditable("Calque 1", false);
  NombreDeColonnes = 3;
  ClicSurPlan();
  EXPECT_EQ(testhost::alerts().size(), 1u);
  EXPECT_EQ(LignesCommencant(testhost::artLines(), "Ralto-Guides/Repères "), (Lignes{"Ralto-Guides/Repères group 6"}));
  EXPECT_EQ(Compte(testhost::guideLines(), "Ralto-Guides/Repères/Colonnes1 "), 4u);
}

}  // namespace
