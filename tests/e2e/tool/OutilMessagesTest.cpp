// The guides tool's messages over the simulated host's model, before any panel exists:
// the host's part (routing mouse events and posted keys to the selected tool) is played
// here by calling the tool's handlers the way the host does.
#include <gtest/gtest.h>

#include "ClicSimule.h"
#include "Curseurs.h"
#include "GuidesPlugIn.h"
#include "OutilGuides.h"
#include "SimuleAppuiTouche.h"
#include "kit/Cursor.h"
#include "kit/EventQueue.h"
#include "kit/Sound.h"

namespace {

class OutilMessages : public ClicSimule {
 protected:
  void SetUp() override {
    ClicSimule::SetUp();
    sAIHitTest = testhost::suite<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);
    sAIDocumentView = testhost::suite<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    sAIDocument = testhost::suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    sAIPanelFlyoutMenu = testhost::suite<AIPanelFlyoutMenuSuite>(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion);
    sAIAnnotator = testhost::suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
    ASSERT_TRUE(sAIHitTest && sAIDocumentView && sAIDocument && sAIPanelFlyoutMenu && sAIAnnotator);
    kit::EventQueue::shared().clear();
    kit::Sound::clearPlayLog();
    DoitRedessiner = DoitEffacer = false;
    SonDefaut = false;
    NumeroDuPlan = 0;
  }

  // A tool message at (h, v), with the Alt key held or not.
  AIToolMessage Message(AIReal h, AIReal v, bool alt = false) {
    evenement_ = AIEvent{};
    evenement_.modifiers = alt ? aiEventModifiers_optionKey : 0;
    AIToolMessage message{};
    message.cursor = AIRealPoint{h, v};
    message.event = &evenement_;
    return message;
  }

  // What the host does with the key posted by a panel change while the tool is selected:
  // one cursor-tracking message at the last cursor position per queued key.
  AIErr ServitLesTouches(const AIToolMessage& dernierePosition) {
    AIErr erreur = kNoErr;
    while (kit::EventQueue::shared().next()) erreur = SuitCurseur(dernierePosition);
    return erreur;
  }

  // The names of the kind groups in the last click's parent whose name starts so.
  static Lignes Groupes(const std::string& debut) {
    Lignes noms;
    for (const std::string& ligne : Commencant(testhost::artLines(), kRep + "/" + debut)) {
      const size_t fin = ligne.rfind(" group ");
      if (fin != std::string::npos) noms.push_back(ligne.substr(0, fin));
    }
    return noms;
  }

  AIEvent evenement_{};
};

TEST_F(OutilMessages, AClickOutsideObjectsLaysTheSetOnTheChosenArtboardWhateverArtboardWasClicked) {
  testhost::newDocument(200, 100, 3);
  EXPECT_EQ(CliqueOutil(Message(330, 50)), kNoErr);  // inside artboard 2
  EXPECT_EQ(Groupes("Marges droite"), (Lignes{kRep + "/Marges droite1"}));
  EXPECT_EQ(Groupes("Colonnes"), (Lignes{kRep + "/Colonnes1"}));
  EXPECT_EQ(Guides(kRep + "/"), 8u);
  EXPECT_FALSE(CreerReperesSelonObjetClique);
  EXPECT_EQ(NumeroDuPlan, 0);
  EXPECT_EQ(NbrPlans, 3);
}

TEST_F(OutilMessages, AClickOnAnObjectFollowsItsBoundsAndIgnoresTheAllArtboardsOption) {
  testhost::newDocument(200, 100, 3);
  testhost::addRect({20, 80, 120, 30}, "Cadre");
  TousLesPlans = true;
  EXPECT_EQ(CliqueOutil(Message(20.5f, 50)), kNoErr);  // on the frame's left side
  EXPECT_TRUE(CreerReperesSelonObjetClique);
  EXPECT_EQ(Groupes("Marges"), (Lignes{kRep + "/Marges haut", kRep + "/Marges bas", kRep + "/Marges gauche",
                                       kRep + "/Marges droite"}));
  // 3 mm inside the frame (20, 80, 120, 30).
  EXPECT_EQ(Commencant(testhost::guideLines(), kRep + "/Marges haut"),
            (Lignes{kRep + "/Marges haut 28.503936767578125 71.49606323242188 111.49606323242188 "
                           "71.49606323242188 locked"}));
  EXPECT_EQ(RectangleEnglobant.left, 20.0f);
  EXPECT_EQ(RectangleEnglobant.top, 80.0f);
}

TEST_F(OutilMessages, AllArtboardsLeavesTheLastOneActiveAndStopsAtOneHundred) {
  testhost::newDocument(50, 50, 3);
  TousLesPlans = true;
  CliqueOutil(Message(-500, -500));
  EXPECT_EQ(PlanActif(), 2);
  EXPECT_EQ(Groupes("Lignes3"), (Lignes{kRep + "/Lignes3"}));

  testhost::reset();
  testhost::newDocument(10, 10, 101);
  CliqueOutil(Message(-500, -500));
  EXPECT_EQ(testhost::alerts(),
            (Lignes{"Il y a trop de plans de travail/rIllustrator limite ce nombre à 100."}));
  EXPECT_EQ(NbrPlans, 100);
  EXPECT_EQ(Groupes("Marges haut10"), (Lignes{kRep + "/Marges haut100", kRep + "/Marges haut10"}));
}

TEST_F(OutilMessages, APostedKeyLaysTheLastClickOutAgainFromTheCurrentValues) {
  testhost::newDocument(200, 100, 2);
  const AIToolMessage clic = Message(70, 50);
  CliqueOutil(clic);
  EXPECT_EQ(Guides(kRep + "/Colonnes1"), 2u);

  NombreDeColonnes = 4;
  NumeroDuPlan = 1;  // an artboard chosen since the click is read afresh
  SimuleAppuiToucheFn();
  EXPECT_TRUE(DoitRedessiner);
  EXPECT_EQ(ServitLesTouches(clic), kNoErr);
  EXPECT_FALSE(DoitRedessiner);
  EXPECT_EQ(Guides(kRep + "/Colonnes2"), 6u);
  EXPECT_EQ(Guides(kRep + "/Colonnes1"), 2u);

  // Without a request, a key only tests what lies under the cursor.
  kit::EventQueue::shared().post(kit::KeyEvent{63, true, 1});
  ServitLesTouches(clic);
  EXPECT_EQ(Guides(kRep + "/"), 20u);
}

TEST_F(OutilMessages, TheEraseRequestRemovesTheKindGroupsOfOneArtboardOrOfAll) {
  testhost::newDocument(200, 100, 3);
  TousLesPlans = true;
  const AIToolMessage clic = Message(-50, -50);
  CliqueOutil(clic);
  EXPECT_EQ(Guides(kRep + "/"), 24u);

  TousLesPlans = false;
  NumeroDuPlan = 1;
  DoitEffacer = true;
  SimuleAppuiToucheFn();
  ServitLesTouches(clic);
  EXPECT_FALSE(DoitEffacer);
  EXPECT_EQ(Objets(kRep + "/Marges droite2"), 0u);
  EXPECT_EQ(Guides(kRep + "/"), 16u);

  TousLesPlans = true;
  DoitEffacer = true;
  SimuleAppuiToucheFn();
  ServitLesTouches(clic);
  EXPECT_EQ(Guides(kRep + "/"), 0u);
  EXPECT_EQ(Parents(), (Lignes{kRep + " group 0"}));
}

TEST_F(OutilMessages, SelectingClearsAPendingEraseButKeepsAPendingRedraw) {
  testhost::newDocument(200, 100);
  const AIToolMessage clic = Message(50, 50);
  CliqueOutil(clic);
  DoitEffacer = true;
  SimuleAppuiToucheFn();
  kit::EventQueue::shared().clear();  // another tool was selected: the host dropped the key
  NombreDeColonnes = 3;

  EXPECT_EQ(SelectionneOutil(nullptr), kNoErr);
  EXPECT_FALSE(DoitEffacer);
  EXPECT_TRUE(DoitRedessiner);
  SuitCurseur(Message(10, 10));  // the cursor moves over the document
  EXPECT_EQ(Guides(kRep + "/Colonnes1"), 4u);
}

TEST_F(OutilMessages, AltClickMakesNoGuidesAndPlaysNoSoundWithOrWithoutAPanel) {
  testhost::newDocument(200, 100);
  SonDefaut = true;
  EXPECT_EQ(CliqueOutil(Message(50, 50, true)), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  EXPECT_TRUE(kit::Sound::playLog().empty());
}

TEST_F(OutilMessages, TheCursorSaysWhatAClickWouldDo) {
  testhost::newDocument(200, 100);
  testhost::addRect({20, 80, 120, 30}, "Cadre");
  SelectionneOutil(nullptr);
  ASSERT_NE(CurseurGenerique, nullptr);  // built at selection, the panel being absent
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGenerique);

  SuitCurseur(Message(70, 50));
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGuidesObjet);
  SuitCurseur(Message(70, 50, true));
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurPointille);
  SuitCurseur(Message(170, 50));
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGenerique);
  EXPECT_EQ(PosTexteAnno.h, 170.0f);
  EXPECT_EQ(PosTexteAnno.v, 50.0f);
}

TEST_F(OutilMessages, TheHoverToleranceShrinksAsTheViewZoomsIn) {
  testhost::newDocument(200, 100);
  testhost::addRect({20, 80, 120, 30}, "Cadre");
  AIDocumentViewHandle vue = nullptr;
  ASSERT_EQ(sAIDocumentView->GetNthDocumentView(0, &vue), kNoErr);
  const AIToolMessage aTroisPoints = Message(123, 50);  // 3 units right of the frame
  SuitCurseur(aTroisPoints);
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGuidesObjet);
  sAIDocumentView->SetDocumentViewZoom(vue, 8);
  SuitCurseur(aTroisPoints);
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGenerique);
  AIReal zoom = 0;
  sAIDocumentView->GetDocumentViewZoom(vue, &zoom);
  EXPECT_EQ(zoom, 8.0f);
  sAIDocumentView->SetDocumentViewZoom(vue, 0.25f);
  SuitCurseur(Message(135, 50));  // 15 units away: within 16
  EXPECT_EQ(kit::Cursor::currentCursor(), CurseurGuidesObjet);
}

TEST_F(OutilMessages, MessagesWithoutARecordOrADocumentAnswerACode) {
  GuidesPlugIn plugin(nullptr);
  EXPECT_EQ(plugin.ToolMouseDown(nullptr), kBadParameterErr);
  EXPECT_EQ(plugin.TrackToolCursor(nullptr), kBadParameterErr);
  EXPECT_EQ(plugin.toolAnnotate(nullptr), kBadParameterErr);
  EXPECT_EQ(plugin.ToolMouseUp(nullptr), kNoErr);
  EXPECT_EQ(plugin.ToolMouseDrag(nullptr), kNoErr);
  EXPECT_EQ(plugin.EditTool(nullptr), kNoErr);  // no preferences dialog without a panel

  AIToolMessage sansEvenement = Message(10, 10);
  sansEvenement.event = nullptr;
  EXPECT_EQ(plugin.ToolMouseDown(&sansEvenement), kNoDocumentErr);
  EXPECT_EQ(plugin.TrackToolCursor(&sansEvenement), kNoDocumentErr);
  EXPECT_NE(plugin.SelectTool(&sansEvenement), kNoErr);
  EXPECT_EQ(NbrPlans, 0);

  testhost::newDocument(200, 100);
  EXPECT_EQ(plugin.ToolMouseDown(&sansEvenement), kNoErr);  // no event: no Alt
  EXPECT_EQ(Guides(kRep + "/"), 8u);
}

}  // namespace
