// A fixture that plugs the plug-in's suite globals into the simulated host's tables and
// clicks with the guides tool through the tool's own handler, without a panel.
#ifndef GUIDES_TESTS_CLICOUTIL_H
#define GUIDES_TESTS_CLICOUTIL_H

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
#include "OutilGuides.h"
#include "SuitesDuTraceur.h"
#include "TestHost.h"
#include "SetParDefaut.h"
#include "Utilitaires.h"

using Lignes = std::vector<std::string>;
inline const std::string kRep = "Ralto-Guides/Repères";

class ClicOutil : public ::testing::Test {
 protected:
  void SetUp() override {
    testhost::reset();
    testhost::plugTracerSuites();
    ASSERT_TRUE(sAIArt && sAIPath && sAILayer && sAIArtboard && sAIUser && sAIUnicodeString);
    AHGroupe = nullptr;  // the previous test's handles are stale anyway
    MetSetParDefaut();
    TousLesPlans = false;
    ReperesVerrouilles = true;
    SonDefaut = false;
    NumeroDuPlan = 0;
    DoitRedessiner = DoitEffacer = false;
  }

  void TearDown() override {
    LibereListesDeGuides();
    testhost::reset();
  }

  // A click of the tool on the left edge of `objet`, or far from every object with
  // artboard `plan` chosen (the popup's choice, which a click without a panel keeps).
  static AIErr Clic(int plan = 0, AIArtHandle objet = nullptr) {
    NumeroDuPlan = plan;
    AIToolMessage message{};
    message.cursor = {-10000, -10000};
    if (objet) {
      AIRealRect bornes{};
      EXPECT_EQ(sAIArt->GetArtBounds(objet, &bornes), kNoErr);
      message.cursor = {bornes.left, (bornes.top + bornes.bottom) / 2};
    }
    return CliqueOutil(message);
  }

  // A panel change's redraw as the tool serves it at the next cursor tracking: the guides
  // of the last click laid out again from the current values.
  static AIErr Redessine() {
    DoitRedessiner = true;
    return SuitCurseur(AIToolMessage{});
  }

  // The erase button as the tool serves it at the next cursor tracking: the guides of the
  // artboard chosen (`plan`), or of every artboard with the option on.
  static AIErr Efface(int plan) {
    NumeroDuPlan = plan;
    DoitEffacer = DoitRedessiner = true;
    return SuitCurseur(AIToolMessage{});
  }

  static Lignes Commencant(const Lignes& lignes, const std::string& debut) {
    Lignes choisies;
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(choisies),
                 [&](const std::string& l) { return l.rfind(debut, 0) == 0; });
    return choisies;
  }
  static size_t Objets(const std::string& debut) { return Commencant(testhost::artLines(), debut).size(); }
  static size_t Guides(const std::string& debut) { return Commencant(testhost::guideLines(), debut).size(); }
  static Lignes Parents() { return Commencant(testhost::artLines(), kRep + " "); }

  static int32_t PlanActif() {
    AIArtboardListRef liste = nullptr;
    int32_t actif = -1;
    sAIArtboard->GetArtboardList(&liste);
    sAIArtboard->GetActive(liste, &actif);
    sAIArtboard->ReleaseArtboardList(liste);
    return actif;
  }

  static std::string TitreDuCalque(int32_t index) {
    AILayerHandle calque = nullptr;
    ai::UnicodeString titre;
    sAILayer->GetNthLayer(index, &calque);
    sAILayer->GetLayerTitle(calque, titre.slot());
    return titre.as_Platform();
  }
};

#endif
