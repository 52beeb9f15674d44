// The erase of the guides and the count of artboards.
#include "ClicSimule.h"

namespace {

using Lignes = std::vector<std::string>;

class Effacement : public ClicSimule {
 protected:
  void SetUp() override {
    ClicSimule::SetUp();
    testhost::newDocument(595, 842, 3);
    TousLesPlans = true;
    ClicSurPlan();
  }
};

const std::string kRep = "Ralto-Guides/Repères";

TEST_F(Effacement, ChosenArtboardOnly) {
  TousLesPlans = false;
  NumeroDuPlan = 1;
  EXPECT_EQ(EffaceReperes(), kNoErr);
  const Lignes objets = testhost::artLines();
  EXPECT_EQ(Compte(objets, kRep + "/Marges droite2"), 0u);
  EXPECT_EQ(Compte(objets, kRep + "/Lignes2"), 0u);
  EXPECT_EQ(testhost::guideLines().size(), 16u);
  EXPECT_EQ(Compte(objets, kRep + " group 12"), 1u);
}

TEST_F(Effacement, EveryArtboardKeepsTheParentAndTheLayer) {
  EXPECT_EQ(EffaceReperes(), kNoErr);
  EXPECT_EQ(testhost::artLines(), (Lignes{kRep + " group 0"}));
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  // The emptied parent goes at the next click.
  ClicSurPlan();
  EXPECT_EQ(LignesCommencant(testhost::artLines(), kRep + " "), (Lignes{kRep + " group 18"}));
}

TEST_F(Effacement, ObjectGuidesGoOnlyWithTheFirstArtboard) {
  const AIArtHandle objet = testhost::addRect({10, 60, 60, 10}, "Cadre");
  ClicSurObjet(objet);
  TousLesPlans = false;
  NumeroDuPlan = 2;
  EffaceReperes();
  EXPECT_EQ(Compte(testhost::artLines(), kRep + "/Colonnes group"), 1u);
  NumeroDuPlan = 0;
  EffaceReperes();
  EXPECT_EQ(Compte(testhost::artLines(), kRep + "/Colonnes group"), 0u);
}

TEST_F(Effacement, ArtboardIndicesOutsideTheArraysEraseNothing) {
  TousLesPlans = false;
  for (int32_t n : {-1, kNombreMaxDePlans, 1 << 30}) {
    NumeroDuPlan = n;
    EXPECT_EQ(EffaceReperes(), kNoErr);
  }
  TousLesPlans = true;
  NbrPlans = 1 << 30;
  EXPECT_EQ(EffaceReperes(), kNoErr);
  EXPECT_TRUE(testhost::guideLines().empty());
}

TEST_F(Effacement, CountFollowsTheDocument) {
  testhost::addArtboard({0, 100, 100, 0});
  EXPECT_EQ(CompteLesPlans(), kNoErr);
  EXPECT_EQ(NbrPlans, 4);
  testhost::reset();
  EXPECT_NE(CompteLesPlans(), kNoErr);
  EXPECT_EQ(NbrPlans, 0);
  EXPECT_TRUE(testhost::alerts().empty());
}

}  // namespace
