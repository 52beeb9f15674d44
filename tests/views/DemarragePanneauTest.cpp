// The plug-in started through its entry point over the simulated host's suites, in this
// process: menus, notifiers, the panel and its flyout menu, the menu and flyout actions,
// and what shutdown leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "CopiesDuPanneau.h"
#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "Plugin.h"
#include "IAIUnicodeString.h"
#include "PluginSession.h"
#include "TempFolder.h"
#include "Theme.h"
#include "kit/Kit.h"
#include "model/Model.h"
#include "model/Shell.h"

namespace {

using host::shell;

class DemarragePanneau : public ::testing::Test {
 protected:
  void SetUp() override {
    kit::EventQueue::shared().clear();
    ReperesVerrouilles = true;
  }
  void TearDown() override {
    if (session_.globals) Arrete();
  }

  // The plug-in as the host knows it; its resources (the collapsed icon) in a folder of
  // the test's own.
  void Inscrit() {
    host::PluginRecord fiche;
    fiche.fileName = "Guides.so";
    fiche.resourcesFolder = (dossier_.path / "Resources").string();
    session_.enroll(fiche);
  }

  AIErr Demarre() {
    if (session_.ref.isNull()) Inscrit();
    return session_.start();
  }

  // Start-up, then the application's start, which builds the panel.
  void DemarreAvecPanneau() {
    ASSERT_EQ(Demarre(), kNoErr);
    ASSERT_EQ(session_.notify(kAIApplicationStartedNotifier), kNoErr);
    ASSERT_NE(Panneau(), nullptr);
  }

  void Arrete() {
    session_.notify(kAIApplicationShutdownNotifier);
    session_.shutDown();
  }

  // A new host, as at the next launch.
  void Relance() {
    host::resetShell();
    session_.ref = host::Ref{};
  }

  GuidesPlugIn* Guides() const { return static_cast<GuidesPlugIn*>(session_.globals); }

  host::Panel* Panneau() {
    host::Panel* trouve = nullptr;
    for (uint32_t i = 0; i < shell().ui.panels.slotCount(); ++i)
      if (auto* p = shell().ui.panels.find(shell().ui.panels.refAt(i)); p && p->plugin == session_.ref) trouve = p;
    return trouve;
  }

  host::FlyoutMenu* Flyout() { return shell().ui.flyoutMenus.find(Panneau()->flyout); }

  // The names of the host's menu groups, in order, and the texts of the items of one.
  static std::vector<std::string> Groupes() {
    std::vector<std::string> noms;
    for (host::Ref groupe : shell().ui.menuGroupOrder) noms.push_back(shell().ui.menuGroups.find(groupe)->name);
    return noms;
  }
  static std::vector<std::string> Articles(const std::string& groupe) {
    std::vector<std::string> textes;
    for (uint32_t i = 0; i < shell().ui.menuItems.slotCount(); ++i)
      if (auto* article = shell().ui.menuItems.find(shell().ui.menuItems.refAt(i)); article && article->group == groupe)
        textes.push_back(article->text);
    return textes;
  }
  const host::MenuItem* Article(AIMenuItemHandle article) {
    return shell().ui.menuItems.find(host::fromHandle(article));
  }

  AIErr Menu(const char* selecteur, AIMenuItemHandle article) {
    AIMenuMessage message{};
    message.menuItem = article;
    return session_.send(kAIMenuCaller, selecteur, message);
  }

  std::string TexteFlyout(int32_t id) { return Flyout()->item(id)->text; }

  testhost::PluginSession session_;
  testhost::TempFolder dossier_;
};

// The menus' texts and groups are printed by the panel_restart session; here, what the
// plug-in keeps of them.
TEST_F(DemarragePanneau, StartupAddsTheMenusAndTheFourNotifiersInOrder) {
  ASSERT_EQ(Demarre(), kNoErr);
  EXPECT_EQ(Article(Guides()->fAboutMenuItem)->text, "Ralto-Guides…");
  const host::MenuItem* afficher = Article(Guides()->fShowHideMenuItem);
  ASSERT_NE(afficher, nullptr);
  EXPECT_EQ(afficher->key, "Masquer Ralto-Guides");
  EXPECT_EQ(afficher->options, kMenuItemWantsUpdateOption);

  const char* types[] = {kAIApplicationShutdownNotifier, kAIArtSelectionChangedNotifier, kAIUIBrightnessChangedNotifier,
                         kAIDocumentRulerUnitChangedNotifier};
  const AINotifierHandle attendus[] = {Guides()->fShutdownNotifier, Guides()->fSelectionNotifier,
                                       Guides()->fBrightnessNotifier, Guides()->fRulerUnitNotifier};
  for (int i = 0; i < 4; ++i) {
    const auto inscrits = shell().plugins.notifiersOf(session_.ref, types[i]);
    ASSERT_EQ(inscrits.size(), 1u) << types[i];
    EXPECT_EQ(shell().plugins.notifier(inscrits[0])->name, "GuidesPlugIn");
    EXPECT_EQ(host::toHandle<AINotifierHandle>(inscrits[0]), attendus[i]);
  }
  // The panel waits for the application's start.
  EXPECT_EQ(Panneau(), nullptr);
  EXPECT_EQ(PanneauRef, nullptr);
}

TEST_F(DemarragePanneau, GroupsOfTheMakersOtherPlugInsAreReusedNeverDuplicated) {
  // Another plug-in of the same maker started first.
  host::PluginRecord autre;
  autre.fileName = "Autre.so";
  const auto autreSelf = host::toHandle<SPPluginRef>(shell().plugins.add(autre));
  sAIUnicodeString = testhost::suite<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
  const auto* menus = testhost::suite<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
  for (const auto& [groupeHote, nom, article] : {std::tuple{kAboutMenuGroup, "À propos des Ralto-Outils…", "Autre…"},
                                                 std::tuple{kToolPalettesMenuGroup, "Ralto-Outils", "Masquer Autre"}}) {
    AIMenuItemHandle parent = nullptr, fils = nullptr;
    AIMenuGroup groupe = nullptr;
    ASSERT_EQ(menus->AddMenuItem(autreSelf, nom, groupeHote, ai::UnicodeString(nom).ref(), 0, &parent), kNoErr);
    ASSERT_EQ(menus->AddMenuGroupAsSubMenu(nom, 1, parent, &groupe), kNoErr);
    ASSERT_EQ(menus->AddMenuItem(autreSelf, article, nom, ai::UnicodeString(article).ref(), 0, &fils), kNoErr);
  }
  sAIUnicodeString = nullptr;
  const size_t groupesAvant = Groupes().size();

  ASSERT_EQ(Demarre(), kNoErr);
  EXPECT_EQ(Groupes().size(), groupesAvant);
  EXPECT_EQ(Articles("About"), std::vector<std::string>{"À propos des Ralto-Outils…"});
  EXPECT_EQ(Articles("Tool Palettes").size(), 1u);
  EXPECT_EQ(Articles("À propos des Ralto-Outils…"), (std::vector<std::string>{"Autre…", "Ralto-Guides…"}));
  EXPECT_EQ(Articles("Ralto-Outils"), (std::vector<std::string>{"Masquer Autre", "Masquer Ralto-Guides"}));
}

TEST_F(DemarragePanneau, ARefusedNotifierEndsStartupAndTheLaterOnesAreNotAsked) {
  static AINotifierSuite notifieurs;
  notifieurs = *testhost::suite<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion);
  notifieurs.AddNotifier = [](SPPluginRef plugin, const char* nom, const char* type, AINotifierHandle* notifieur) {
    if (std::strcmp(type, kAIUIBrightnessChangedNotifier) == 0) return AIErr{ai_fourcc("NOPE")};
    return testhost::suite<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion)->AddNotifier(plugin, nom, type, notifieur);
  };
  testhost::PluginSession::replaced[kAINotifierSuite] = &notifieurs;
  EXPECT_EQ(Demarre(), ai_fourcc("NOPE"));
  EXPECT_EQ(session_.globals, nullptr);
  EXPECT_EQ(shell().plugins.notifiersOf(session_.ref, kAIArtSelectionChangedNotifier).size(), 1u);
  EXPECT_TRUE(shell().plugins.notifiersOf(session_.ref, kAIDocumentRulerUnitChangedNotifier).empty());
}

TEST_F(DemarragePanneau, TheApplicationsStartBuildsThePanelWithItsFlyoutDisabled) {
  std::string icone(2500, '\0');
  for (size_t i = 0; i < icone.size(); ++i) icone[i] = static_cast<char>(i * 7);
  Inscrit();
  dossier_.resource("IconePanneauReduit.png", icone);
  DemarreAvecPanneau();

  // Its title, id, size and the controls' texts are printed by the sessions.
  host::Panel& panneau = *Panneau();
  EXPECT_EQ(PanneauRef, host::toHandle<AIPanelRef>(shell().ui.panels.refAt(0)));
  EXPECT_EQ(std::tuple(panneau.stateCount, panneau.minimumSize.width, panneau.minimumSize.height, panneau.resizable,
                       panneau.preferredSizes.h, panneau.preferredSizes.v),
            std::tuple(3, 240.0f, 158.0f, false, 300, 300));
  EXPECT_EQ(panneau.userData, session_.globals);
  EXPECT_EQ(panneau.flyoutProc, &MenuCBP);
  EXPECT_EQ(std::string(panneau.lightIcon.begin(), panneau.lightIcon.end()), icone);
  EXPECT_TRUE(panneau.darkIcon.empty());
  EXPECT_FALSE(PreferencesAffichees);
  EXPECT_NE(Guides()->fCursorManager, nullptr);

  // The flyout's five items (printed by road_restart once the tool is selected): none
  // enabled before the guides tool is first selected.
  ASSERT_EQ(Flyout()->items.size(), 5u);
  for (const host::FlyoutItem& article : Flyout()->items) EXPECT_FALSE(article.enabled) << article.id;
  EXPECT_EQ(Flyout()->item(1)->mark, kAIPanelFlyoutMenuItemMark_CHECK);
  // The content: the controller's view inside the host's view (its frame is printed too).
  EXPECT_EQ(panneau.view()->subviews().size(), 1u);

  EXPECT_EQ(shell().ui.selectedTool, shell().ui.toolNamed("Adobe Select Tool"));
  EXPECT_TRUE(testhost::alerts().empty());
}

// The panel shows the host's theme from the start, not from its first change: a dark
// theme gives dark fields, a light label and the dark lock and erase buttons.
TEST_F(DemarragePanneau, ThePanelTakesTheHostsCurrentThemeAsItIsLoaded) {
  RougeFondTheme = VertFondTheme = BleuFondTheme = AlphaFondTheme = 0.0f;
  RougeTexteTheme = VertTexteTheme = BleuTexteTheme = AlphaTexteTheme = 0.0f;
  InterfaceSombre = false;
  shell().ui.darkTheme = true;
  DemarreAvecPanneau();
  const kit::Color fond = kit::Color::colorWithCalibratedRed(0.12f, 0.12f, 0.12f, 1);
  EXPECT_EQ((std::vector{GzoneMargeHaut->backgroundColor(), GzoneGouttiereLigne->backgroundColor(),
                         GnumeroPage->textColor()}),
            (std::vector{fond, fond, kit::Color::colorWithCalibratedRed(0.9f, 0.9f, 0.9f, 1)}));
  EXPECT_EQ(std::tuple(Gcadenas->isHidden(), GcadenasSombre->isHidden(), GeffacerBTSombre->isHidden()),
            std::tuple(true, false, false));
  InterfaceSombre = false;
}

TEST_F(DemarragePanneau, WithoutItsIconOrLockedGuidesThePanelIsBuiltAllTheSame) {
  const auto* prefs = testhost::suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
  prefs->PutBooleanPreference("RaltoGuides", "TousPlans", false);
  prefs->PutBooleanPreference("RaltoGuides", "Verrouille", false);
  DemarreAvecPanneau();
  EXPECT_EQ(std::tuple(ReperesVerrouilles, Panneau()->lightIcon.empty(), Flyout()->item(1)->mark,
                       Panneau()->view()->subviews().size()),
            std::tuple(false, true, kAIPanelFlyoutMenuItemMark_NONE, 1u));
  // A second announcement builds nothing more.
  const size_t panneaux = shell().ui.panels.liveCount();
  EXPECT_EQ(session_.notify(kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(shell().ui.panels.liveCount(), panneaux);
}

TEST_F(DemarragePanneau, TheShowHideItemSaysWhatItWillDoWhoeverHidThePanel) {
  DemarreAvecPanneau();
  const AIMenuItemHandle article = Guides()->fShowHideMenuItem;
  // What the item says after each step: none, the item chosen twice, the host's own close.
  const auto* panneaux = testhost::suite<AIPanelSuite>(kAIPanelSuite, kAIPanelSuiteVersion);
  const std::pair<std::function<void()>, const char*> etapes[] = {
      {[] {}, "Masquer Ralto-Guides"},
      {[&] { ASSERT_EQ(Menu(kAIMenuGoSelector, article), kNoErr); }, "Afficher Ralto-Guides"},
      {[&] { Menu(kAIMenuGoSelector, article); }, "Masquer Ralto-Guides"},
      {[&] { panneaux->Show(PanneauRef, false); }, "Afficher Ralto-Guides"}};
  for (const auto& [etape, texte] : etapes) {
    etape();
    ASSERT_EQ(Menu(kAIMenuUpdateSelector, article), kNoErr);
    EXPECT_EQ(Article(article)->text, texte);
    EXPECT_EQ(Panneau()->isShown(), std::string(texte).starts_with("Masquer"));
  }
}

TEST_F(DemarragePanneau, FlyoutItemsToggleTheHelpWidthAndTheLockedGuidesWithoutStoringThem) {
  DemarreAvecPanneau();
  host::Panel& panneau = *Panneau();
  for (const auto& [largeur, texte] : {std::pair{480.0f, "Masquer l'aide"}, std::pair{240.0f, "Afficher l'aide"},
                                       std::pair{480.0f, "Masquer l'aide"}}) {
    panneau.flyoutProc(PanneauRef, kMenuAide);
    EXPECT_EQ(panneau.size.width, largeur);
    EXPECT_EQ(panneau.size.height, 158.0f);
    EXPECT_EQ(TexteFlyout(kMenuAide), texte);
  }

  AIBoolean stocke = false;
  const auto* prefs = testhost::suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
  ASSERT_EQ(prefs->GetBooleanPreference("RaltoGuides", "Verrouille", &stocke), kNoErr);
  ASSERT_TRUE(ReperesVerrouilles);
  kit::EventQueue::shared().clear();
  panneau.flyoutProc(PanneauRef, kMenuReperesVerrouilles);
  EXPECT_EQ(std::tuple(ReperesVerrouilles, Flyout()->item(1)->mark, DoitRedessiner, kit::EventQueue::shared().size()),
            std::tuple(false, kAIPanelFlyoutMenuItemMark_NONE, true, 1u));
  panneau.flyoutProc(PanneauRef, kMenuReperesVerrouilles);
  EXPECT_EQ(std::tuple(ReperesVerrouilles, Flyout()->item(1)->mark),
            std::tuple(true, kAIPanelFlyoutMenuItemMark_CHECK));
  AIBoolean apres = !stocke;
  prefs->GetBooleanPreference("RaltoGuides", "Verrouille", &apres);
  EXPECT_EQ(apres, stocke);

  panneau.flyoutProc(PanneauRef, 2);  // a separator, or anything else: nothing
  panneau.flyoutProc(PanneauRef, 99);
  EXPECT_EQ(panneau.size.width, 480.0f);
}

TEST_F(DemarragePanneau, ShutdownDisposesTheCursorsAndTakesTheControlsAway) {
  DemarreAvecPanneau();
  host::Panel& panneau = *Panneau();
  const size_t gestionnaires = host::model().cursorManagers().liveCount();
  ASSERT_EQ(gestionnaires, 1u);
  for (const auto& [nom, copie] : CopiesDuPanneau()) EXPECT_NE(copie, nullptr) << nom;
  ASSERT_EQ(session_.notify(kAIApplicationShutdownNotifier), kNoErr);
  EXPECT_EQ(host::model().cursorManagers().liveCount(), 0u);
  EXPECT_EQ(Guides()->fCursorManager, nullptr);
  EXPECT_EQ(session_.notify(kAIApplicationShutdownNotifier), kNoErr);

  ASSERT_EQ(session_.shutDown(), kNoErr);
  EXPECT_EQ(session_.globals, nullptr);
  EXPECT_TRUE(panneau.view()->subviews().empty());
  for (const auto& [nom, copie] : CopiesDuPanneau()) EXPECT_EQ(copie, nullptr) << nom;
  EXPECT_EQ(PanneauRef, nullptr);
  EXPECT_EQ(MenuLocal, nullptr);

  // A new start builds a new panel.
  Relance();
  DemarreAvecPanneau();
  EXPECT_EQ(Panneau()->view()->subviews().size(), 1u);
}

// Without its content the panel is still the plug-in's: its end forgets it, and the next
// start builds a new one.
TEST_F(DemarragePanneau, APanelLeftWithoutContentIsStillReplacedAtTheNextStart) {
  static AIPanelSuite panneaux;
  panneaux = *testhost::suite<AIPanelSuite>(kAIPanelSuite, kAIPanelSuiteVersion);
  panneaux.GetPlatformWindow = [](AIPanelRef, void**) { return AIErr{kBadParameterErr}; };
  testhost::PluginSession::replaced[kAIPanelSuite] = &panneaux;
  DemarreAvecPanneau();
  EXPECT_TRUE(Panneau()->view()->subviews().empty());
  EXPECT_EQ(GzoneMargeHaut, nullptr);
  Arrete();
  EXPECT_EQ(PanneauRef, nullptr);

  testhost::PluginSession::replaced.clear();
  Relance();
  DemarreAvecPanneau();
  EXPECT_EQ(Panneau()->view()->subviews().size(), 1u);
}

TEST_F(DemarragePanneau, AReloadKeepsThePanelAndItsControls) {
  DemarreAvecPanneau();
  kit::TextField* marge = GzoneMargeHaut;
  SPAccessMessage message{};
  ASSERT_EQ(session_.send(kSPAccessCaller, kSPAccessReloadSelector, message), kNoErr);
  EXPECT_EQ(GzoneMargeHaut, marge);
  EXPECT_EQ(Panneau()->view()->subviews().size(), 1u);
  EXPECT_EQ(Panneau()->userData, session_.globals);
}

}  // namespace
