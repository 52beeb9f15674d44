// The host's notifications as the plug-in object receives them, over the simulated host's
// suites, with the panel loaded from the real layout file: the theme recolours the fields
// and swaps the lock and erase buttons, the ruler unit re-expresses the lengths, a change
// of selection redraws the annotations over the whole view.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "IAIError.h"
#include "PanneauGlobals.h"
#include "PanneauDeTest.h"
#include "Theme.h"
#include "kit/Kit.h"
#include "model/Model.h"
#include "model/Shell.h"

namespace {

using host::shell;

class NotificationsPanneau : public testhost::PanneauDeTest {
 protected:
  void SetUp() override {
    PanneauDeTest::SetUp();
    sAIUITheme = testhost::suite<AIUIThemeSuite>(kAIUIThemeSuite, kAIUIThemeSuiteVersion);
    sAIDocument = testhost::suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    sAIDocumentView = testhost::suite<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    sAIAnnotator = testhost::suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
    ASSERT_TRUE(sAIUITheme && sAIDocument && sAIDocumentView && sAIAnnotator);
    plugin_.fShutdownNotifier = Poignee(1);
    plugin_.fRulerUnitNotifier = Poignee(2);
    plugin_.fSelectionNotifier = Poignee(3);
    plugin_.fBrightnessNotifier = Poignee(4);
    Charge();
    kit::EventQueue::shared().clear();
  }

  void TearDown() override {
    PanneauDeTest::TearDown();
    Unite = kUniteAucune;
    sAIUITheme = nullptr;
    sAIDocument = nullptr;
    sAIDocumentView = nullptr;
    sAIAnnotator = nullptr;
  }

  static AINotifierHandle Poignee(uintptr_t n) { return reinterpret_cast<AINotifierHandle>(n); }

  // Lock, dark lock, erase, dark erase: which are hidden.
  std::vector<bool> Caches() {
    return {c().PANcadenas->isHidden(), c().PANcadenasSombre->isHidden(), c().PANeffacerBT->isHidden(),
            c().PANeffacerSombreBT->isHidden()};
  }

  ASErr Notifie(AINotifierHandle notifieur) {
    AINotifierMessage message{};
    message.notifier = notifieur;
    return plugin_.Notify(&message);
  }

  GuidesPlugIn plugin_{nullptr};
};

TEST_F(NotificationsPanneau, TheThemeRecoloursTheFieldsAndSwapsTheLockAndEraseButtons) {
  shell().ui.darkTheme = true;
  EXPECT_EQ(Notifie(plugin_.fBrightnessNotifier), kNoErr);
  EXPECT_TRUE(InterfaceSombre);
  EXPECT_EQ(Caches(), (std::vector{true, false, true, false}));
  const kit::Color fondSombre = kit::Color::colorWithCalibratedRed(0.12f, 0.12f, 0.12f, 1);
  for (kit::TextField* zone :
       {c().PANzoneMargeHaut, c().PANzoneGouttiereLigne, static_cast<kit::TextField*>(c().PANzoneNbrLignes)})
    EXPECT_EQ(zone->backgroundColor(), fondSombre) << zone->identifier();
  EXPECT_EQ(c().PANnumeroPage->textColor(), kit::Color::colorWithCalibratedRed(0.9f, 0.9f, 0.9f, 1));
  EXPECT_EQ(RougeTheme, 0.2f);
  EXPECT_EQ(AlphaTheme, 1.0f);

  shell().ui.darkTheme = false;
  EXPECT_EQ(Notifie(plugin_.fBrightnessNotifier), kNoErr);
  EXPECT_EQ(Caches(), (std::vector{false, true, false, true}));
  EXPECT_EQ(c().PANzoneHauteurLigne->backgroundColor(), kit::Color::colorWithCalibratedRed(1, 1, 1, 1));
  EXPECT_EQ(RougeTexteTheme, 0.1f);

  // No panel yet (or any more): the colours are still taken.
  controleur_.reset();
  shell().ui.darkTheme = true;
  EXPECT_EQ(Notifie(plugin_.fBrightnessNotifier), kNoErr);
  EXPECT_EQ(RougeFondTheme, 0.12f);
}

TEST_F(NotificationsPanneau, TheRulerUnitBecomesThePanelsUnitAndReExpressesTheLengths) {
  testhost::newDocument(200, 100);
  Unite = kUniteMillimetres;  // as when the tool was selected over a document in millimetres
  const double margeHaut = MargeHaut;

  // Pixels count as points.
  ASSERT_EQ(host::model().front()->setRulerUnits(kPixelsUnits), kNoErr);
  EXPECT_EQ(Notifie(plugin_.fRulerUnitNotifier), kNoErr);
  EXPECT_EQ(Unite, kUnitePoints);
  // The automatic width stays empty.
  EXPECT_EQ(Textes({c().PANzoneMargeHaut, c().PANzoneGouttiereColonne, c().PANzoneNbrColonnes,
                    c().PANzoneLargeurColonne}),
            (std::vector<std::string>{"8,5 pt", "5,67 pt", "2", ""}));
  EXPECT_EQ(MargeHaut, 8.503936767578125);
  EXPECT_NE(MargeHaut, margeHaut);
  EXPECT_EQ(kit::EventQueue::shared().next(), std::nullopt);  // no redraw asked for

  // The unit already written: the texts stay, the unit is still set.
  Unite = kUniteMillimetres;
  ASSERT_EQ(host::model().front()->setRulerUnits(kPointsUnits), kNoErr);
  EXPECT_EQ(Notifie(plugin_.fRulerUnitNotifier), kNoErr);
  EXPECT_EQ(Unite, kUnitePoints);
  EXPECT_EQ(c().PANzoneMargeHaut->stringValue(), "8,5 pt");

  // A unit the panel has no code for changes nothing.
  ASSERT_EQ(host::model().front()->setRulerUnits(kFeetUnits), kNoErr);
  EXPECT_EQ(Notifie(plugin_.fRulerUnitNotifier), kNoErr);
  EXPECT_EQ(Unite, kUnitePoints);

  ASSERT_EQ(host::model().front()->setRulerUnits(kCentimetersUnits), kNoErr);
  EXPECT_EQ(Notifie(plugin_.fRulerUnitNotifier), kNoErr);
  EXPECT_EQ(Unite, kUniteCentimetres);
  EXPECT_EQ(c().PANzoneMargeHaut->stringValue(), "0,3 cm");
}

TEST_F(NotificationsPanneau, ASelectionChangeRedrawsTheAnnotationsOverTheWholeView) {
  // Without a document the view's bounds cannot be had: the host's code is raised.
  EXPECT_THROW(Notifie(plugin_.fSelectionNotifier), ai::Error);
  testhost::newDocument(200, 100);
  EXPECT_EQ(Notifie(plugin_.fSelectionNotifier), kNoErr);
  const std::vector<AIRect>& invalides = shell().ui.annotations.pendingInvalidations();
  ASSERT_EQ(invalides.size(), 1u);
  const AIRect& r = invalides[0];
  EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom), std::tuple(0, 0, 1000, 800));

  // A notifier it never registered, or none, does nothing.
  EXPECT_EQ(Notifie(Poignee(99)), kNoErr);
  EXPECT_EQ(Notifie(nullptr), kNoErr);
  EXPECT_EQ(plugin_.Notify(nullptr), kNoErr);
}

}  // namespace
