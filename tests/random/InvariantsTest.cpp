// The checks random sessions make after every step, each given a state that keeps it and
// one that breaks it: the guides a step lays out against the panel's values, the
// preferences file and the popup of sets, non-finite coordinates, the host's answers.
#include <cmath>
#include <fstream>
#include <memory>

#include "AIArtboard.h"
#include "AppFixture.h"
#include "harness/SessionInvariants.h"
#include "kit/Application.h"
#include "kit/PopUpButton.h"
#include "kit/TextField.h"
#include "kit/Window.h"
#include "session/StepInvariants.h"

namespace {

using host::model;
using host::Ref;

// The panel as the checks read it: the ten value fields and the popup of sets.
class FakePanel {
 public:
  FakePanel() {
    auto content = std::make_unique<kit::View>();
    for (const char* name : {"PANzoneMargeHaut", "PANzoneMargeBas", "PANzoneMargeGauche", "PANzoneMargeDroite",
                             "PANzoneLargeurColonne", "PANzoneHauteurLigne", "PANzoneGouttiereColonne",
                             "PANzoneGouttiereLigne", "PANzoneNbrColonnes", "PANzoneNbrLignes"})
      add(*content, std::make_unique<kit::TextField>(), name);
    sets_ = static_cast<kit::PopUpButton*>(add(*content, std::make_unique<kit::PopUpButton>(), "PANpopupSets"));
    window_.setContentView(std::move(content));
  }

  void show(const char* name, const std::string& text) {
    static_cast<kit::Control*>(kit::Application::shared().viewWithIdentifier(name))->setStringValue(text);
  }
  // The margins, the counts and the gutters as the panel writes them (no width or height).
  void showSet(const std::string& margin, int columns, int rows, const std::string& gutter) {
    for (const char* name : {"PANzoneMargeHaut", "PANzoneMargeBas", "PANzoneMargeGauche", "PANzoneMargeDroite"})
      show(name, margin);
    show("PANzoneNbrColonnes", std::to_string(columns));
    show("PANzoneNbrLignes", std::to_string(rows));
    show("PANzoneGouttiereColonne", gutter);
    show("PANzoneGouttiereLigne", gutter);
  }
  void listSets(int count) {
    sets_->removeAllItems();
    for (int i = 0; i < count + 4; ++i) sets_->addItemWithTitle("item " + std::to_string(i));
  }

 private:
  static kit::View* add(kit::View& parent, std::unique_ptr<kit::View> view, const char* name) {
    view->setIdentifier(name);
    return parent.addSubview(std::move(view));
  }

  kit::Window window_;
  kit::PopUpButton* sets_ = nullptr;
};

class InvariantsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    const AIRealRect board{0, 842, 595, 0};
    ASSERT_EQ(model().newDocument("Essai", std::span(&board, 1)), kNoErr);
  }

  // The guides layer and one click's parent group, as the plug-in makes them.
  Ref clickGroup() {
    Ref layer;
    EXPECT_EQ(model().insertLayer(Ref{}, kPlaceAboveAll, &layer), kNoErr);
    EXPECT_EQ(model().setLayerTitle(layer, "Ralto-Guides"), kNoErr);
    return newGroup(model().findLayer(layer)->group, "Repères");
  }
  void addGuides(Ref group, int count) {
    for (int i = 0; i < count; ++i) {
      Ref guide;
      ASSERT_EQ(model().newArt(kPathArt, kPlaceInsideOnTop, group, &guide), kNoErr);
      const AIPathSegment ends[2] = {{{10, 0}, {10, 0}, {10, 0}, 1}, {{10, 842}, {10, 842}, {10, 842}, 1}};
      ASSERT_EQ(model().setPathSegmentCount(guide, 2), kNoErr);
      ASSERT_EQ(model().setPathSegments(guide, 0, 2, ends), kNoErr);
      ASSERT_EQ(model().setPathIsGuide(guide, true), kNoErr);
    }
  }
  // A layout of artboard 1 for 3 columns with positive gutters, and no row guides.
  void layOutArtboardOne(Ref click) {
    for (const char* margin : {"Marges droite1", "Marges gauche1", "Marges bas1", "Marges haut1"})
      addGuides(newGroup(click, margin), 1);
    addGuides(newGroup(click, "Colonnes1"), 4);
  }
  void writePreferences(const std::string& json) { std::ofstream(prefsFile) << json; }

  FakePanel panel;
};

TEST_F(InvariantsTest, GuidesLaidOutDuringTheStepMustMatchThePanelsValues) {
  panel.showSet("3 mm", 3, 2, "2 mm");
  const Ref click = clickGroup();
  const Ref older = newGroup(click, "Colonnes1");
  addGuides(older, 4);
  host::StepMark mark = host::markStepStart();
  layOutArtboardOne(click);
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration),
            "an older \"Colonnes\" group of artboard 1 stayed beside the one just laid out");
  ASSERT_EQ(model().disposeArt(older), kNoErr);
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration),
            "\"Lignes\" of artboard 1 holds 0 guide(s) where the panel's values give 2");
  // A single row asks for no row guide.
  panel.show("PANzoneNbrLignes", "1");
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration), "");
  // Guides made before the step are not the step's: nothing is compared.
  mark = host::markStepStart();
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration), "");
}

TEST_F(InvariantsTest, AShownZeroAllowsEitherCountAndUnreadableValuesAreNotJudged) {
  // "0 mm" may hide a margin or a gutter below the decimals shown.
  panel.showSet("0 mm", 3, 1, "0 mm");
  const Ref click = clickGroup();
  const host::StepMark mark = host::markStepStart();
  addGuides(newGroup(click, "Marges haut"), 1);  // around a clicked object
  addGuides(newGroup(click, "Colonnes"), 4);
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration), "");
  panel.show("PANzoneGouttiereColonne", "-1 mm");
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration),
            "\"Colonnes\" of the clicked object holds 4 guide(s) where the panel's values give 2");
  // Values that may not be finite once laid out leave the step unjudged.
  panel.show("PANzoneMargeBas", "1e39 mm");
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration), "");
  // More columns than the layout handles lay nothing out.
  panel.show("PANzoneMargeBas", "0 mm");
  panel.show("PANzoneNbrColonnes", "1001");
  EXPECT_EQ(harness::checkGuidesLaidOutSince(mark.firstNewGeneration),
            "\"Colonnes\" of the clicked object holds 4 guide(s) where the panel's values give 0");
}

TEST_F(InvariantsTest, ThePreferencesMustHoldEveryRecordTheSetCountPromises) {
  panel.listSets(0);
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "");  // no file yet: no set

  std::string set1 = R"("TI1": {"string": "A"}, "MH1": {"real": 1}, "MB1": {"real": 1}, "MG1": {"real": 1},
      "MD1": {"real": 1}, "NC1": {"integer": 2}, "NL1": {"integer": 2}, "LC1": {"real": 0},
      "HL1": {"real": 0}, "GC1": {"real": 0}, "GL1": {"real": 0}, "CD1": {"boolean": true})";
  writePreferences(R"({"RaltoGuides": {"NbrSets": {"integer": 1}, )" + set1 + "}}");
  panel.listSets(1);
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "set 1 of 1 has no integer \"NS1\"");
  writePreferences(R"({"RaltoGuides": {"NbrSets": {"integer": 1}, "NS1": {"integer": 5}, )" + set1 + "}}");
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "");

  panel.listSets(2);
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "the popup of sets has 6 items for 1 stored set(s)");
  writePreferences(R"({"RaltoGuides": {"NbrSets": {"integer": 9}}})");
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "\"NbrSets\" is 9");
  writePreferences("{\"RaltoGuides\": ");
  EXPECT_EQ(harness::checkPreferencesAndSetPopup(), "the preferences file is not a JSON object");
}

TEST_F(InvariantsTest, NonFiniteCoordinatesAndUnexpectedAnswersAreCaught) {
  EXPECT_EQ(host::checkFiniteCoordinates(), "");
  model().front()->artboards.push_back(host::Artboard{{0, INFINITY, 10, 0}, "Plan faux"});
  EXPECT_EQ(host::checkFiniteCoordinates(), "artboard \"Plan faux\" has a coordinate that is not finite");

  // What a plug-in meets in normal use passes; a stale handle does not.
  host::shell().calls.record(kAIArtboardSuite, "GetPosition", kBadParameterErr);
  host::shell().calls.record("AI Art Suite", "NewArt", kLayerLockedErr);
  EXPECT_EQ(host::checkSuiteCalls(), "");
  host::shell().calls.record("AI Art Suite", "GetArtBounds", kStaleHandleErr);
  EXPECT_EQ(host::checkSuiteCalls(), "the host answered AI Art Suite.GetArtBounds with 'STAL'");
  EXPECT_EQ(host::checkSuiteCalls(), "");  // each answer is judged once
}

}  // namespace
