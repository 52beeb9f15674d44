// The event loop as a session drives it: the session is the toolkit's event source, so a
// modal dialog takes the lines that follow; whatever ends the script ends the dialog too.
// Posted keys and tool changes are served after each event, within bounds; menus are found
// by their path of texts; controls by outlet name.
#include "AIMenu.h"
#include "AppFixture.h"
#include "app/Menus.h"
#include "kit/EventQueue.h"

namespace {

class EventLoopTest : public AppTest {
 protected:
  void TearDown() override {
    recorder.shutdown();
    kit::EventQueue::shared().clear();
    AppTest::TearDown();
  }
  host::Application recorder{{INTERFACE_RECORDER_MODULE}};  // started by the tests that use it
};

TEST_F(EventLoopTest, AFailingLineInsideADialogEndsTheDialogAndTheSession) {
  recorder.start();
  EXPECT_FALSE(run(recorder, "ui click dialogue\nui type nom Paul\nrect 1 2 3\nprint panel\n"));
  EXPECT_EQ(sessionErrors.str(), "line 3: usage: rect L T R B [NAME]\n");
  EXPECT_EQ(out.str(), "");  // nothing after the failing line ran
  EXPECT_EQ(kit::Application::shared().modalWindow(), nullptr);
  EXPECT_EQ(kit::Application::shared().eventSource(), nullptr);  // the session's own is gone
}

// Restarting within a dialog would unload the dialog's code. (A session covers a dialog
// ended by a script run dry, and events refused within it.)
TEST_F(EventLoopTest, QuitInsideADialogEndsBothAndARestartThereIsRefused) {
  recorder.start();
  EXPECT_TRUE(run(recorder, "ui click dialogue\nquit\nprint panel\n"));
  EXPECT_EQ(kit::Application::shared().modalWindow(), nullptr);
  EXPECT_TRUE(run(recorder, "ui click dialogue\nrestart\nui click fermer\n"));
  EXPECT_EQ(out.str(), "restart refused: a dialog is running modally\n");
  EXPECT_TRUE(logged("restart refused: a dialog is running modally"));
}

TEST_F(EventLoopTest, ControlsAreNamedAndModifiersSpelledOrTheLineFails) {
  recorder.start();
  const std::pair<const char*, const char*> cases[] = {
      {"ui click personne", "line 1: ui click: no control named 'personne'\n"},
      {"ui type bouton 3", "line 1: ui type: 'bouton' is not a text field\n"},
      {"ui choose bouton 0", "line 1: ui choose: 'bouton' is not a popup or a combo box\n"},
      {"ui choose bouton -1", "line 1: ui choose: '-1' is not an index (0, 1, 2, ...)\n"},
      {"ui click bouton ctrl", "line 1: ui click: 'ctrl' is not a modifier (alt, shift)\n"},
      {"flyout 9", "line 1: flyout: the flyout menu has no item 9\n"},
      {"flyout un", "line 1: flyout: 'un' is not an item id\n"},
      {"tool Outil Fantôme", "line 1: tool: no tool named 'Outil Fantôme'\n"},
      {"key enter", "line 1: key: unknown key 'enter' (return, escape, or one character)\n"},
      {"key return ctrl", "line 1: key: 'ctrl' is not a modifier (cmd, alt, shift)\n"},
      {"theme gris", "line 1: theme: unknown theme 'gris' (dark, light)\n"},
      {"move 1 1", "line 1: move: no document is open\n"},
  };
  for (const auto& [line, message] : cases) {
    sessionErrors.str("");
    EXPECT_FALSE(run(recorder, line)) << line;
    EXPECT_EQ(sessionErrors.str(), message);
  }
}

TEST_F(EventLoopTest, PostedKeysAreServedWithinBoundsAndDroppedWithoutAPluginTool) {
  host::Application application({});
  application.start();
  kit::EventQueue& queue = kit::EventQueue::shared();
  for (int i = 0; i < 10; ++i) queue.post(kit::KeyEvent{63, true, 1});
  EXPECT_TRUE(run(recorder, "document new 100 100\n"));
  EXPECT_TRUE(queue.empty());  // the host's own tool tracks nothing: the keys are dropped
  EXPECT_TRUE(errors.str().empty());

  for (int i = 0; i < 1000; ++i) queue.post(kit::KeyEvent{63, true, 1});
  EXPECT_TRUE(run(recorder, "zoom 2\n"));
  EXPECT_TRUE(queue.empty());
  EXPECT_NE(errors.str().find("posted key(s) dropped"), std::string::npos);
}

TEST_F(EventLoopTest, MenuPathsNameAHostMenuThenItemTexts) {
  host::UserInterface& ui = host::shell().ui;
  ASSERT_TRUE(ui.addCompanionMenuGroup("Ralto-Outils"));
  ui.menuItems.insert(host::MenuItem{host::Ref{}, "Masquer", "Ralto-Outils", "Masquer Ralto-Guides"});
  std::string problem;
  const host::Ref item = host::menuItemAt("Palettes d'outils/Ralto-Outils/Masquer Ralto-Guides", &problem);
  ASSERT_FALSE(item.isNull()) << problem;
  EXPECT_EQ(ui.menuItems.find(item)->key, "Masquer");
  const std::pair<const char*, const char*> refused[] = {
      {"Fichier/Ouvrir", "no menu named 'Fichier'"},
      {"Palettes d'outils", "'Palettes d'outils' is a menu, not an item"},
      {"Palettes d'outils/Ralto-Outils", "'Ralto-Outils' opens a sub-menu"},
      {"Palettes d'outils/Ralto-Outils/Masquer Ralto-Guides/Plus", "'Masquer Ralto-Guides' opens no sub-menu"},
      {"Palettes d'outils/Autre", "no item 'Autre' in 'Palettes d'outils'"},
      {"Tool Palettes/Ralto-Outils/Masquer Ralto-Guides", "no menu named 'Tool Palettes'"},
      {"Ralto-Outils/Masquer Ralto-Guides", "no menu named 'Ralto-Outils'"}};
  for (const auto& [path, reason] : refused) {
    EXPECT_TRUE(host::menuItemAt(path, &problem).isNull()) << path;
    EXPECT_EQ(problem, reason);
  }
  EXPECT_EQ(host::menuLines(),
            (std::vector<std::string>{"À propos", "Palettes d'outils", "  Ralto-Outils >", "    Masquer Ralto-Guides"}));
}

}  // namespace
