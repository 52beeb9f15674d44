// The six kinds laid out on artboards and around objects, through the host.
#include <limits>

#include "ClicSimule.h"

namespace {

using Lignes = std::vector<std::string>;

class Traceurs : public ClicSimule {};

const std::string kRep = "Ralto-Guides/Repères/";

TEST_F(Traceurs, ObjectAndFirstArtboardShareTheirGroups) {
  testhost::newDocument(595, 842, 2);
  const AIArtHandle objet = testhost::addRect({100, 300, 200, 200}, "Cadre");
  MargeHaut = MargeBas = MargeGauche = MargeDroite = 10;
  EXPECT_EQ(ClicSurObjet(objet), kNoErr);
  // Around the object the margins frame the margin box; the groups carry no number.
  EXPECT_EQ(LignesCommencant(testhost::guideLines(), kRep + "Marges"),
            (Lignes{kRep + "Marges haut 110 290 190 290 locked", kRep + "Marges bas 110 210 190 210 locked",
                    kRep + "Marges gauche 110 290 110 210 locked", kRep + "Marges droite 190 290 190 210 locked"}));
  ClicSurPlan(0);
  const Lignes apresPlan = testhost::artLines();
  EXPECT_EQ(Compte(apresPlan, kRep + "Marges droite "), 0u);
  EXPECT_EQ(Compte(apresPlan, kRep + "Colonnes "), 0u);
  EXPECT_EQ(Compte(apresPlan, kRep + "Marges droite1 "), 1u);
  // Artboard 2 has its own entries: the object's guides stay beside them.
  ClicSurObjet(objet);
  ClicSurPlan(1);
  const Lignes finales = testhost::artLines();
  EXPECT_EQ(Compte(finales, kRep + "Marges droite "), 1u);
  EXPECT_EQ(Compte(finales, kRep + "Marges droite1 "), 0u);
  EXPECT_EQ(Compte(finales, kRep + "Marges droite2 "), 1u);
}

TEST_F(Traceurs, ZeroMarginAroundAnObjectLetsTheOtherGuidesReachTheEdge) {
  testhost::newDocument(595, 842);
  const AIArtHandle objet = testhost::addRect({100, 300, 200, 200}, "Cadre");
  MargeHaut = 0;
  MargeBas = MargeGauche = MargeDroite = 10;
  NombreDeColonnes = NombreDeLignes = 1;
  ClicSurObjet(objet);
  EXPECT_EQ(LignesCommencant(testhost::guideLines(), kRep),
            (Lignes{kRep + "Marges bas 110 210 190 210 locked", kRep + "Marges gauche 110 300 110 210 locked",
                    kRep + "Marges droite 190 300 190 210 locked"}));
}

TEST_F(Traceurs, LockOptionAppliesToNewGuidesOnly) {
  testhost::newDocument(595, 842, 2);
  ClicSurPlan(0);
  ReperesVerrouilles = false;
  ClicSurPlan(1);
  const Lignes guides = testhost::guideLines();
  EXPECT_EQ(guides.size(), 16u);
  for (const char* sorte : {"Marges droite", "Marges gauche", "Marges bas", "Marges haut", "Colonnes", "Lignes"}) {
    for (const std::string& ligne : LignesCommencant(guides, kRep + sorte + "1 "))
      EXPECT_NE(ligne.find(" locked"), std::string::npos) << ligne;
    for (const std::string& ligne : LignesCommencant(guides, kRep + sorte + "2 "))
      EXPECT_NE(ligne.find(" unlocked"), std::string::npos) << ligne;
  }
}

TEST_F(Traceurs, GroupNamesCarryTheArtboardNumberWithoutASpace) {
  testhost::newDocument(100, 100, 10);
  ClicSurPlan(9);
  const Lignes objets = testhost::artLines();
  for (const char* sorte : {"Marges haut10", "Marges bas10", "Marges gauche10", "Marges droite10", "Colonnes10", "Lignes10"})
    EXPECT_EQ(Compte(objets, kRep + sorte + " group"), 1u) << sorte;
  EXPECT_EQ(PlanActif(), 9);
}

TEST_F(Traceurs, AllArtboardsInOrderLeaveTheLastOneActive) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  ClicSurPlan(0);
  EXPECT_EQ(NbrPlans, 3);
  EXPECT_EQ(PlanActif(), 2);
  // Each kind goes over artboards 1, 2, 3; the rows of artboard 3 are made last, on top.
  const Lignes groupes = LignesCommencant(testhost::artLines(), kRep);
  EXPECT_EQ(groupes.front(), kRep + "Lignes3 group 2");
  EXPECT_EQ(LignesCommencant(testhost::guideLines(), kRep + "Marges droite"),
            (Lignes{kRep + "Marges droite3 1816.49609375 842 1816.49609375 0 locked",
                    kRep + "Marges droite2 1201.49609375 842 1201.49609375 0 locked",
                    kRep + "Marges droite1 586.4960327148438 842 586.4960327148438 0 locked"}));
  EXPECT_EQ(testhost::guideLines().size(), 24u);
}

TEST_F(Traceurs, ObjectClickIgnoresTheAllArtboardsOption) {
  testhost::newDocument(595, 842, 3);
  const AIArtHandle objet = testhost::addRect({10, 60, 60, 10}, "Cadre");
  TousLesPlans = true;
  ClicSurObjet(objet);
  EXPECT_EQ(testhost::guideLines().size(), 8u);
  EXPECT_EQ(Compte(testhost::artLines(), kRep + "Colonnes group"), 1u);
}

TEST_F(Traceurs, MoreThanOneHundredArtboardsAreCappedWithTheAlert) {
  testhost::newDocument(10, 10, 101);
  TousLesPlans = true;
  MetSetVide();
  MargeHaut = 1;
  ClicSurPlan(0);
  EXPECT_EQ(testhost::alerts(), (Lignes{"Il y a trop de plans de travail/rIllustrator limite ce nombre à 100."}));
  EXPECT_EQ(NbrPlans, 100);
  const Lignes objets = testhost::artLines();
  EXPECT_EQ(Compte(objets, kRep + "Marges haut100 group"), 1u);
  EXPECT_EQ(Compte(objets, kRep + "Marges haut101 "), 0u);
  EXPECT_EQ(testhost::guideLines().size(), 100u);
  EXPECT_EQ(PlanActif(), 99);
}

TEST_F(Traceurs, RemovedArtboardGetsNoGuidesAndTheOthersKeepTheirs) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  ClicSurPlan(0);
  testhost::removeArtboard(2);
  // A live redraw still counts three artboards from the click.
  EXPECT_EQ(Redessine(), kBadParameterErr);
  const Lignes objets = testhost::artLines();
  EXPECT_EQ(Compte(objets, kRep + "Marges droite3"), 0u);
  EXPECT_EQ(Compte(objets, kRep + "Lignes3"), 0u);
  EXPECT_EQ(testhost::guideLines().size(), 16u);
  // The same with the artboard chosen in the panel.
  TousLesPlans = false;
  NumeroDuPlan = 5;
  EXPECT_EQ(Redessine(), kBadParameterErr);
  EXPECT_EQ(testhost::guideLines().size(), 16u);
  EXPECT_EQ(TraceColonnesPourPlan(-1), kBadParameterErr);
  EXPECT_EQ(TraceColonnesPourPlan(kNombreMaxDePlans), kBadParameterErr);
  EXPECT_EQ(TraceMargesHautPourPlan(kNombreMaxDePlans), kBadParameterErr);
}

TEST_F(Traceurs, DocumentNotInFrontIsLeftAloneAndFoundAgain) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  testhost::newDocument(300, 300);
  NombreDeColonnes = 5;
  // The parent group belongs to the other document: nothing is laid out here.
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  EXPECT_EQ(EffaceReperes(), kNoErr);
  testhost::bringDocumentToFront(0);
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(Compte(testhost::guideLines(), kRep + "Colonnes1 "), 8u);
}

TEST_F(Traceurs, GuidesDeletedByTheUserAreSkippedSilently) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  ASSERT_EQ(sAIArt->DisposeArt(AHGroupe), kNoErr);
  EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  AIArtHandle perime = AHMargeDroite;
  EXPECT_EQ(TraceSimpleTrait({}, {}, &perime, 1), kNoErr);
  EXPECT_EQ(TraceSimpleTrait({}, {}, nullptr, 1), kNoErr);
  DetruitTrace(&perime);
  DetruitTrace(nullptr);
}

TEST_F(Traceurs, SetsThatCannotBeLaidOutAnswerAnErrorAndLeaveNoGroup) {
  testhost::newDocument(595, 842);
  ClicSurPlan();
  NombreDeColonnes = kNombreMaxDeDivisions + 1;
  EXPECT_EQ(TraceColonnes(), kTooManyErr);
  EXPECT_EQ(Compte(testhost::artLines(), kRep + "Colonnes"), 0u);
  MargeDroite = 1e300;
  EXPECT_EQ(TraceMargesDroite(), kNotFiniteErr);
  MargeHaut = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(TraceMargesHaut(), kNotFiniteErr);
  NombreDeLignes = 3;
  HauteurDeLignes = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TraceLignes(), kNotFiniteErr);
  const Lignes objets = testhost::artLines();
  EXPECT_EQ(Compte(objets, kRep + "Marges droite"), 0u);
  EXPECT_EQ(Compte(objets, kRep + "Marges haut"), 0u);
  EXPECT_EQ(Compte(objets, kRep + "Lignes"), 0u);
  EXPECT_EQ(Compte(objets, kRep + "Marges gauche1 group 1"), 1u);
  EXPECT_EQ(Compte(testhost::guideLines(), kRep), 2u);
}

TEST_F(Traceurs, ColumnListRemembersOnlyTheLastTracedArtboard) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  NombreDeColonnes = 4;
  ClicSurPlan();
  size_t noeuds = 0;
  for (MaillonGuide* m = PtrPremierColonneLiee; m != nullptr; m = m->suivant) {
    if (m->chemin == nullptr) continue;
    ++noeuds;
    AIArtHandle groupe = nullptr;
    ASSERT_EQ(sAIArt->GetArtParent(m->chemin, &groupe), kNoErr);
    EXPECT_EQ(groupe, AHGroupeCO[2]);
  }
  EXPECT_EQ(noeuds, 6u);
  NombreDeColonnes = 1;
  Redessine();
  EXPECT_EQ(PtrPremierColonneLiee->suivant, nullptr);
}

TEST_F(Traceurs, RepeatedRedrawsKeepTheDocumentTheSameSize) {
  testhost::newDocument(595, 842, 3);
  TousLesPlans = true;
  ClicSurPlan();
  const size_t apresUnTrace = testhost::liveArtCount();
  const Lignes guides = testhost::guideLines();
  for (int k = 0; k < 1000; ++k) EXPECT_EQ(Redessine(), kNoErr);
  EXPECT_EQ(testhost::liveArtCount(), apresUnTrace);
  EXPECT_EQ(testhost::guideLines(), guides);
}

}  // namespace
