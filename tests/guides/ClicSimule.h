// A fixture that plugs the plug-in's suite globals into the simulated host's tables and
// plays what the tool does on a click and on a live redraw.
#ifndef GUIDES_TESTS_CLICSIMULE_H
#define GUIDES_TESTS_CLICSIMULE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GeometrieReperes.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "IAIUnicodeString.h"
#include "TestHost.h"
#include "Utilitaires.h"

class ClicSimule : public ::testing::Test {
 protected:
  void SetUp() override {
    testhost::reset();
    sAIArt = testhost::suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    sAIPath = testhost::suite<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    sAILayer = testhost::suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
    sAIArtboard = testhost::suite<AIArtboardSuite>(kAIArtboardSuite, kAIArtboardSuiteVersion);
    sAIUser = testhost::suite<AIUserSuite>(kAIUserSuite, kAIUserSuiteVersion);
    sAIUnicodeString = testhost::suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    ASSERT_NE(sAIArt, nullptr);
    ASSERT_NE(sAIPath, nullptr);
    ASSERT_NE(sAILayer, nullptr);
    ASSERT_NE(sAIArtboard, nullptr);
    ASSERT_NE(sAIUser, nullptr);
    ASSERT_NE(sAIUnicodeString, nullptr);
    OublieLesGroupes();
    MetSetParDefaut();
    TousLesPlans = false;
    ReperesVerrouilles = true;
    NumeroDuPlan = 0;
    NbrPlans = 0;
    CreerReperesSelonObjetClique = false;
  }

  void TearDown() override {
    LibereListesDeGuides();
    OublieLesGroupes();
    testhost::reset();
  }

  static void OublieLesGroupes() {
    AHGroupe = nullptr;
    GroupeCree = false;
    for (AIArtHandle* groupes : {AHGroupeMH, AHGroupeMB, AHGroupeMG, AHGroupeMD, AHGroupeCO, AHGroupeLI})
      std::fill(groupes, groupes + kNombreMaxDePlans, nullptr);
    AHMargeHaut = AHMargeBas = AHMargeGauche = AHMargeDroite = nullptr;
  }

  // The default set: margins 3 mm, 2 columns and 2 rows shared equally, gutters 2 mm.
  static void MetSetParDefaut() {
    MargeHaut = MargeBas = MargeGauche = MargeDroite = 3 * PointsParUnite(kUniteMillimetres);
    NombreDeColonnes = NombreDeLignes = 2;
    LargeurDeColonnes = HauteurDeLignes = 0;
    GouttiereColonnes = GouttiereLignes = 2 * PointsParUnite(kUniteMillimetres);
  }

  static void MetSetVide() {
    MargeHaut = MargeBas = MargeGauche = MargeDroite = 0;
    NombreDeColonnes = NombreDeLignes = 1;
  }

  // The six kinds in the tool's order; the rows' result is the click's.
  static AIErr Redessine() {
    TraceMargesDroite();
    TraceMargesGauche();
    TraceMargesBas();
    TraceMargesHaut();
    TraceColonnes();
    return TraceLignes();
  }

  // A click outside every object, with artboard `plan` chosen in the panel.
  static AIErr ClicSurPlan(int plan = 0) {
    GroupeCree = false;
    CreationGroupe();
    CreerReperesSelonObjetClique = false;
    NumeroDuPlan = plan;
    CompteLesPlans();
    return Redessine();
  }

  // A click on an object: its bounds become the reference rectangle.
  static AIErr ClicSurObjet(AIArtHandle objet) {
    GroupeCree = false;
    CreationGroupe();
    EXPECT_EQ(sAIArt->GetArtBounds(objet, &RectangleEnglobant), kNoErr);
    CreerReperesSelonObjetClique = true;
    CompteLesPlans();
    return Redessine();
  }

  static std::vector<std::string> LignesCommencant(const std::vector<std::string>& lignes, const std::string& debut) {
    std::vector<std::string> choisies;
    for (const std::string& ligne : lignes)
      if (ligne.rfind(debut, 0) == 0) choisies.push_back(ligne);
    return choisies;
  }

  static size_t Compte(const std::vector<std::string>& lignes, const std::string& debut) {
    return LignesCommencant(lignes, debut).size();
  }

  static int32_t PlanActif() {
    AIArtboardListRef liste = nullptr;
    int32_t actif = -1;
    EXPECT_EQ(sAIArtboard->GetArtboardList(&liste), kNoErr);
    EXPECT_EQ(sAIArtboard->GetActive(liste, &actif), kNoErr);
    sAIArtboard->ReleaseArtboardList(liste);
    return actif;
  }

  static std::string TitreDuCalque(int32_t index) {
    AILayerHandle calque = nullptr;
    EXPECT_EQ(sAILayer->GetNthLayer(index, &calque), kNoErr);
    ai::UnicodeString titre;
    EXPECT_EQ(sAILayer->GetLayerTitle(calque, titre.slot()), kNoErr);
    return titre.as_Platform();
  }
};

#endif
