// The six kinds laid out on artboards and around objects, through the host.
#include <limits>

#include "ClicOutil.h"

namespace {

class Traceurs : public ClicOutil {};

const std::string kGr = kRep + "/";

TEST_F(Traceurs, AllArtboardsInOrderLeaveTheLastOneActive) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  Clic();
  EXPECT_EQ(PlanActif(), 2);
  // Each artboard's guides, in order, are printed by road_restart.
  EXPECT_EQ(Commencant(testhost::artLines(), kGr).front(), kGr + "Lignes3 group 2");  // made last
  EXPECT_EQ(testhost::guideLines().size(), 24u);
}

// The cap of 100 artboards: 99 and 100 are laid out whole and silently; 101 give the
// alert, once, and the first 100.
TEST_F(Traceurs, AtMostOneHundredArtboardsAreLaidOut) {
  TousLesPlans = true;
  MargeBas = MargeGauche = MargeDroite = 0;
  NombreDeColonnes = NombreDeLignes = 1;
  for (int plans : {99, 100, 101}) {
    testhost::newDocument(10, 10, plans);
    EXPECT_EQ(Clic(), kNoErr) << plans;
    const int traces = std::min(plans, kNombreMaxDePlans);
    EXPECT_EQ(NbrPlans, traces);
    EXPECT_EQ(testhost::guideLines().size(), static_cast<size_t>(traces)) << plans;
    EXPECT_EQ(Objets(kGr + "Marges haut" + std::to_string(traces) + " group"), 1u) << plans;
    EXPECT_EQ(testhost::alerts().size(), plans > kNombreMaxDePlans ? 1u : 0u) << plans;
  }
  EXPECT_EQ(testhost::alerts(), (Lignes{"Il y a trop de plans de travail/rIllustrator limite ce nombre à 100."}));
  EXPECT_EQ(Objets(kGr + "Marges haut101"), 0u);
}

TEST_F(Traceurs, MissingArtboardsGetNoGuidesAndAnError) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  Clic();
  testhost::removeArtboard(2);
  EXPECT_EQ(Redessine(), kBadParameterErr);  // a live redraw still counts three artboards
  EXPECT_EQ(Objets(kGr + "Marges droite3"), 0u);
  EXPECT_EQ(Objets(kGr + "Lignes3"), 0u);
  EXPECT_EQ(testhost::guideLines().size(), 16u);
  TousLesPlans = false;
  NumeroDuPlan = 5;
  EXPECT_EQ(Redessine(), kBadParameterErr);
  for (int n : {-1, kNombreMaxDePlans}) {
    EXPECT_EQ(TraceColonnesPourPlan(n), kBadParameterErr);
    EXPECT_EQ(TraceMargesHautPourPlan(n), kBadParameterErr);
  }
  EXPECT_EQ(testhost::guideLines().size(), 16u);
}

TEST_F(Traceurs, StaleHandlesAreSkippedSilently) {
  testhost::newDocument(595, 842);
  Clic();
  testhost::newDocument(300, 300);  // the parent belongs to the document behind
  NombreDeColonnes = 5;
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(EffaceReperes(), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  testhost::bringDocumentToFront(0);
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(Guides(kGr + "Colonnes1 "), 8u);
  AIArtHandle chemin = AHMargeDroite;
  ASSERT_EQ(sAIArt->DisposeArt(AHGroupe), kNoErr);  // the user deletes the guides
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(TraceSimpleTrait({}, {}, &chemin, 1), kNoErr);
  DetruitTrace(&chemin);
  EXPECT_TRUE(testhost::artLines().empty());
}

// The cap of 1000 columns: at it, 999 boundaries of gutter 0 are laid out; one more
// lays out none and answers an error.
TEST_F(Traceurs, SetsThatCannotBeLaidOutAnswerAnErrorAndLeaveNoGroup) {
  testhost::newDocument(595, 842);
  GouttiereColonnes = 0;
  NombreDeColonnes = kNombreMaxDeDivisions;
  EXPECT_EQ(Clic(), kNoErr);
  EXPECT_EQ(Guides(kGr + "Colonnes1 "), 999u);
  NombreDeColonnes = kNombreMaxDeDivisions + 1;
  EXPECT_EQ(TraceColonnes(), kTooManyErr);
  EXPECT_EQ(Guides(kGr + "Colonnes1 "), 0u);
  MargeDroite = 1e300;
  EXPECT_EQ(TraceMargesDroite(), kNotFiniteErr);
  MargeHaut = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(TraceMargesHaut(), kNotFiniteErr);
  NombreDeLignes = 3;
  HauteurDeLignes = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TraceLignes(), kNotFiniteErr);
  EXPECT_EQ(Commencant(testhost::artLines(), kGr),
            (Lignes{kGr + "Marges bas1 group 1", kGr + "Marges bas1/<unnamed> path 2 guide",
                    kGr + "Marges gauche1 group 1", kGr + "Marges gauche1/<unnamed> path 2 guide"}));
}

TEST_F(Traceurs, RedrawsReplaceTheGuidesWithoutGrowingTheDocumentOrTheLists) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  NombreDeColonnes = 4;
  Clic();
  const size_t objets = testhost::liveArtCount();
  const Lignes guides = testhost::guideLines();
  for (int k = 0; k < 1000; ++k) EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(testhost::liveArtCount(), objets);
  EXPECT_EQ(testhost::guideLines(), guides);
  // The column list holds the paths of the last traced artboard only.
  size_t chemins = 0;
  for (MaillonGuide* m = PtrPremierColonneLiee; m != nullptr; m = m->suivant) {
    AIArtHandle groupe = nullptr;
    if (m->chemin == nullptr) continue;
    EXPECT_EQ(sAIArt->GetArtParent(m->chemin, &groupe), kNoErr);
    EXPECT_EQ(groupe, AHGroupeCO[2]);
    ++chemins;
  }
  EXPECT_EQ(chemins, 6u);
}

}  // namespace
