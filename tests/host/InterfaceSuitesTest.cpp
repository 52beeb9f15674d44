// What plug-ins add to the host's interface: menus, tools, panels with their toolkit view
// and flyout menu, annotators; and all of it forgotten with the plug-in.
#include <limits>

#include "AIAnnotator.h"
#include "AIMenu.h"
#include "AIPanel.h"
#include "AITool.h"
#include "AIUITheme.h"
#include "ShellFixture.h"
#include "kit/Application.h"
#include "kit/View.h"
#include "kit/Window.h"

class InterfaceTest : public ShellTest {
 protected:
  const AIMenuSuite* menus = suite<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
  const AIToolSuite* tools = suite<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
  const AIPanelSuite* panels = suite<AIPanelSuite>(kAIPanelSuite, kAIPanelSuiteVersion);
  const AIPanelFlyoutMenuSuite* flyouts =
      suite<AIPanelFlyoutMenuSuite>(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion);
  std::vector<std::string> groupNames() {
    int32_t count = 0;
    EXPECT_EQ(menus->CountMenuGroups(&count), kNoErr);
    std::vector<std::string> names;
    for (int32_t n = 0; n < count; ++n) {
      AIMenuGroup group = nullptr;
      const char* name = nullptr;
      EXPECT_EQ(menus->GetNthMenuGroup(n, &group), kNoErr);
      EXPECT_EQ(menus->GetMenuGroupName(group, &name), kNoErr);
      names.emplace_back(name);
    }
    return names;
  }
};

// The sessions add items, sub-menus and tools, and change item texts; here, what is refused.
TEST_F(InterfaceTest, MenusAndToolsRefuseTakenNamesAndPlacesThatDoNotExist) {
  AIMenuItemHandle parent = nullptr, item = nullptr, refused = nullptr;
  AIMenuGroup group = nullptr;
  ASSERT_EQ(menus->AddMenuItem(self, "Outils", kToolPalettesMenuGroup, text("Outils"), 0, &parent), kNoErr);
  ASSERT_EQ(menus->AddMenuGroupAsSubMenu("Outils", 1, parent, &group), kNoErr);
  ASSERT_EQ(menus->AddMenuItem(self, "Masquer", "Outils", text("Masquer"), 0, &item), kNoErr);
  EXPECT_EQ(menus->AddMenuItem(self, "Masquer", "Outils", text("x"), 0, &refused), kBadParameterErr);
  EXPECT_EQ(menus->AddMenuItem(self, "autre", "Pas de groupe", text("x"), 0, &refused), kNotFoundErr);
  EXPECT_EQ(menus->AddMenuGroupAsSubMenu("Outils", 1, item, &group), kBadParameterErr);
  EXPECT_EQ(menus->AddMenuGroupAsSubMenu("Autre", 1, parent, &group), kBadParameterErr);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(groupNames(), (std::vector<std::string>{kAboutMenuGroup, kToolPalettesMenuGroup, "Outils"}));

  const AIAddToolData data{text("Outil Guides"), text("Crée les repères"), 0, 0, kNoTool, kNoTool};
  AIToolHandle tool = nullptr;
  ASSERT_EQ(tools->AddTool(self, "Outil Guides", &data, 0, &tool), kNoErr);
  int16_t number = -1;
  EXPECT_EQ(tools->GetToolNumberFromName("Outil inconnu", &number), kNotFoundErr);
  EXPECT_EQ(tools->AddTool(self, "Outil Guides", &data, 0, &tool), kBadParameterErr);
  const int32_t unterminated[40] = {1, 2, 3};  // no kInfoEndOfList within reach
  const int32_t vars[] = {1, 2, kInfoEndOfList};
  EXPECT_EQ(tools->SetToolInfoVars(tool, vars), kNoErr);
  EXPECT_EQ(tools->SetToolInfoVars(tool, unterminated), kBadParameterErr);
}

// Short names live inside the record itself, so they are the ones a growing table would move.
TEST_F(InterfaceTest, ANameHandedOutStaysGoodWhileItsToolOrGroupLivesWhateverIsAddedAfter) {
  const AIAddToolData data{text("Règle"), text(""), 0, 0, kNoTool, kNoTool};
  AIToolHandle tool = nullptr;
  ASSERT_EQ(tools->AddTool(self, "Règle", &data, 0, &tool), kNoErr);
  AIMenuGroup about = nullptr;
  ASSERT_EQ(menus->GetNthMenuGroup(0, &about), kNoErr);
  const auto names = [&] {
    const char* toolName = nullptr;
    const char* groupName = nullptr;
    EXPECT_EQ(tools->GetToolName(tool, &toolName), kNoErr);
    EXPECT_EQ(menus->GetMenuGroupName(about, &groupName), kNoErr);
    return std::make_pair(toolName, groupName);
  };
  const auto before = names();

  for (int n = 0; n < 100; ++n) {
    const std::string name = "T" + std::to_string(n);
    AIToolHandle other = nullptr;
    AIMenuItemHandle item = nullptr;
    AIMenuGroup group = nullptr;
    ASSERT_EQ(tools->AddTool(self, name.c_str(), &data, 0, &other), kNoErr);
    ASSERT_EQ(menus->AddMenuItem(self, name.c_str(), kAboutMenuGroup, text("x"), 0, &item), kNoErr);
    ASSERT_EQ(menus->AddMenuGroupAsSubMenu(name.c_str(), 0, item, &group), kNoErr);
  }

  ASSERT_EQ(names(), before);  // the very same pointers
  EXPECT_STREQ(before.first, "Règle");
  EXPECT_STREQ(before.second, kAboutMenuGroup);
}

// The sessions show, hide and print panels and their flyout menus; here, the view's window
// following the panel's size, and what is refused.
TEST_F(InterfaceTest, APanelHoldsAToolkitViewOfItsSizeAndRefusesBadValues) {
  AIPanelFlyoutMenuRef menu = nullptr;
  ASSERT_EQ(flyouts->Create(&menu), kNoErr);
  ASSERT_EQ(flyouts->AppendItem(menu, 1, text("Repères verrouillés")), kNoErr);
  EXPECT_EQ(flyouts->AppendItem(menu, 1, text("doublon")), kBadParameterErr);
  int32_t mark = 0;
  EXPECT_EQ(flyouts->GetItemMark(menu, 9, &mark), kBadParameterErr);

  const AISize minimum{240, 158};
  int userData = 0;
  AIPanelRef panel = nullptr;
  ASSERT_EQ(panels->Create(self, text("PanneauEssai"), text("Guides 1.4"), 3, &minimum, 0, menu, &userData, &panel),
            kNoErr);
  // The view sits in a window of its own, so that fields in it can take the focus.
  void* platform = nullptr;
  ASSERT_EQ(panels->GetPlatformWindow(panel, &platform), kNoErr);
  auto* view = static_cast<kit::View*>(platform);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->window(), nullptr);
  const AISize wide{480, 158};
  EXPECT_EQ(panels->SetSize(panel, &wide), kNoErr);
  EXPECT_EQ(std::make_tuple(view->frame().size.width, view->window()->frame().size.width), std::make_tuple(480, 480));
  const AISize bad{std::numeric_limits<float>::quiet_NaN(), 1};
  EXPECT_EQ(panels->SetSize(panel, &bad), kBadParameterErr);
  EXPECT_EQ(view->frame().size.width, 480);
  void* data = nullptr;
  EXPECT_EQ(panels->GetUserData(panel, &data), kNoErr);
  EXPECT_EQ(data, &userData);
  const uint8_t icon[] = {0x89, 'P', 'N', 'G'};
  EXPECT_EQ(panels->SetIcon(panel, icon, sizeof icon, nullptr, 0), kNoErr);
  EXPECT_EQ(panels->SetIcon(panel, nullptr, 10, nullptr, 0), kBadParameterErr);

  const auto* theme = suite<AIUIThemeSuite>(kAIUIThemeSuite, kAIUIThemeSuiteVersion);
  AIUIThemeColor untouched{1, 0.5f, 0.5f, 0.5f};
  EXPECT_EQ(theme->GetUIThemeColor(kAIUIThemeSelectorPanel, 9, &untouched), kBadParameterErr);
  EXPECT_EQ(untouched.red, 0.5f);
}

TEST_F(InterfaceTest, APluginThatGoesTakesItsMenusToolsPanelsAndAnnotatorsWithIt) {
  const auto* annotators = suite<AIAnnotatorSuite>(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion);
  AIMenuItemHandle parent = nullptr, item = nullptr;
  AIMenuGroup group = nullptr;
  menus->AddMenuItem(self, "Ralto-Outils", kToolPalettesMenuGroup, text("Ralto-Outils"), 0, &parent);
  menus->AddMenuGroupAsSubMenu("Ralto-Outils", 1, parent, &group);
  menus->AddMenuItem(self, "Masquer", "Ralto-Outils", text("Masquer"), 0, &item);
  const AIAddToolData data{text("Outil"), text(""), 0, 0, kNoTool, kNoTool};
  AIToolHandle tool = nullptr;
  tools->AddTool(self, "Outil Guides", &data, 0, &tool);
  const AISize size{240, 158};
  AIPanelRef panel = nullptr;
  const size_t windows = kit::Application::shared().windows().size();
  panels->Create(self, text("P"), text("P"), 1, &size, 0, nullptr, nullptr, &panel);
  AIAnnotatorHandle annotator = nullptr;
  annotators->AddAnnotator(self, "RaltoAnno", &annotator);

  host::shell().ui.forgetPlugin(host::fromHandle(self));

  EXPECT_EQ(groupNames(), (std::vector<std::string>{kAboutMenuGroup, kToolPalettesMenuGroup}));
  EXPECT_EQ(menus->EnableItem(item), kBadParameterErr);
  int16_t number = 0;
  EXPECT_EQ(tools->GetToolNumberFromHandle(tool, &number), kBadParameterErr);
  AIBoolean shown = 0;
  EXPECT_EQ(panels->IsShown(panel, &shown), kBadParameterErr);
  EXPECT_EQ(kit::Application::shared().windows().size(), windows);  // the panel's window went too
  EXPECT_EQ(annotators->SetAnnotatorActive(annotator, 1), kBadParameterErr);
}
