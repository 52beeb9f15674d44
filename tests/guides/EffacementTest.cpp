// The erase of the guides and the count of artboards.
#include "ClicOutil.h"

namespace {

class Effacement : public ClicOutil {
 protected:
  void SetUp() override {
    ClicOutil::SetUp();
    testhost::newDocument(595, 842, 3);
    TousLesPlans = true;
    Clic();
  }
};

TEST_F(Effacement, ChosenArtboardOnlyThenEveryArtboardKeepingParentAndLayer) {
  TousLesPlans = false;
  EXPECT_EQ(Efface(1), kNoErr);
  EXPECT_EQ(Objets(kRep + "/Marges droite2"), 0u);
  EXPECT_EQ(Objets(kRep + "/Lignes2"), 0u);
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 12"}));
  TousLesPlans = true;
  EXPECT_EQ(Efface(0), kNoErr);
  EXPECT_EQ(testhost::artLines(), (Lignes{kRep + " group 0"}));
  EXPECT_EQ(TitreDuCalque(0), "Ralto-Guides");
  Clic();  // the emptied parent goes at the next click
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 18"}));
}

// What follows an erase: the next panel change lays the guides of the last click out again
// in the same parent, the erased artboard's as well as the others'.
TEST_F(Effacement, AChangeAfterAnEraseLaysTheLastClickOutAgainInTheSameParent) {
  TousLesPlans = false;
  EXPECT_EQ(Efface(1), kNoErr);
  TousLesPlans = true;
  NombreDeColonnes = 3;
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 18"}));
  EXPECT_EQ(Guides(kRep + "/Colonnes2 "), 4u);
  EXPECT_EQ(testhost::guideLines().size(), 30u);
}

TEST_F(Effacement, ObjectGuidesGoOnlyWithTheFirstArtboard) {
  Clic(0, testhost::addRect({10, 60, 60, 10}, "Cadre"));
  TousLesPlans = false;
  EXPECT_EQ(Efface(2), kNoErr);
  EXPECT_EQ(Objets(kRep + "/Colonnes group"), 1u);
  EXPECT_EQ(Efface(0), kNoErr);
  EXPECT_EQ(Objets(kRep + "/Colonnes group"), 0u);
}

TEST_F(Effacement, IndicesOutsideTheArraysAndFailedCountsAreHarmless) {
  TousLesPlans = false;
  for (int32_t n : {-1, kNombreMaxDePlans, 1 << 30}) {
    NumeroDuPlan = n;
    EXPECT_EQ(EffaceReperes(), kNoErr);
  }
  EXPECT_EQ(testhost::guideLines().size(), 24u);
  TousLesPlans = true;
  NbrPlans = 1 << 30;
  EXPECT_EQ(EffaceReperes(), kNoErr);
  EXPECT_TRUE(testhost::guideLines().empty());
  testhost::reset();  // no document: nothing to count
  EXPECT_NE(CompteLesPlans(), kNoErr);
  EXPECT_EQ(NbrPlans, 0);
}

}  // namespace
