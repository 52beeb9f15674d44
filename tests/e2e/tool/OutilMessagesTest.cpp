// The guides tool's messages over the simulated host's model while no panel exists (the
// sessions cover the tool with its panel, tool_redraw_waits a redraw that waits for the
// tool's return): the host's part, routing mouse events and posted keys to the selected
// tool, is played here by calling the handlers as it does.
#include <gtest/gtest.h>

#include "ClicOutil.h"
#include "GuidesPlugIn.h"
#include "OutilGuides.h"
#include "kit/EventQueue.h"
#include "kit/Sound.h"

namespace {

class OutilMessages : public ClicOutil {
 protected:
  void SetUp() override {
    ClicOutil::SetUp();
    sAIPanelFlyoutMenu = testhost::suite<AIPanelFlyoutMenuSuite>(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion);
    ASSERT_TRUE(sAIHitTest && sAIDocumentView && sAIDocument && sAIPanelFlyoutMenu && sAIAnnotator);
    kit::EventQueue::shared().clear();
    kit::Sound::clearPlayLog();
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

TEST_F(OutilMessages, WithoutAPanelAClickLaysTheSetOnTheFirstArtboardWhateverArtboardWasClicked) {
  testhost::newDocument(200, 100, 3);
  EXPECT_EQ(CliqueOutil(Message(330, 50)), kNoErr);  // inside artboard 2
  EXPECT_EQ(Groupes("Marges droite"), (Lignes{kRep + "/Marges droite1"}));
  EXPECT_EQ(Groupes("Colonnes"), (Lignes{kRep + "/Colonnes1"}));
  EXPECT_EQ(Guides(kRep + "/"), 8u);
  EXPECT_FALSE(CreerReperesSelonObjetClique);
  EXPECT_EQ(NumeroDuPlan, 0);
  EXPECT_EQ(NbrPlans, 3);
}

TEST_F(OutilMessages, AltClickWithoutAPanelDoesNothing) {
  testhost::newDocument(200, 100);
  SonDefaut = true;
  EXPECT_EQ(CliqueOutil(Message(50, 50, true)), kNoErr);
  EXPECT_TRUE(testhost::artLines().empty());
  EXPECT_TRUE(kit::Sound::playLog().empty());
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
