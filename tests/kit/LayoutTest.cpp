// Layout files: creating every kind of control, connecting outlets, actions, custom
// classes and delegates, and refusing broken files without touching the owner.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "kit/Kit.h"

namespace {

class RecordingDelegate : public kit::Object, public kit::TextFieldDelegate {
 public:
  bool doCommandBySelector(kit::Control*, kit::TextView*, const std::string& selector) override {
    commands.push_back(selector);
    return false;
  }
  void awakeFromNib() override { ++awakenings; }
  std::vector<std::string> commands;
  int awakenings = 0;
};

class IconView : public kit::View {
 public:
  using kit::View::View;
  void awakeFromNib() override { ++awakenings; }
  int awakenings = 0;
};

struct Owner {
  kit::View* view = nullptr;
  kit::TextField* field = nullptr;
  kit::ComboBox* combo = nullptr;
  kit::Button* check = nullptr;
  kit::Button* plus = nullptr;
  kit::Button* ok = nullptr;
  kit::PopUpButton* popup = nullptr;
  kit::ScrollView* scroll = nullptr;
  kit::TextView* help = nullptr;
  IconView* icon = nullptr;
  kit::Window* dialog = nullptr;
  RecordingDelegate* delegate = nullptr;
  std::vector<std::pair<std::string, kit::Control*>> fired;

  kit::LayoutBindings bindings() {
    kit::LayoutBindings b;
    b.outlet("view", &view);
    b.outlet("field", &field);
    b.outlet("combo", &combo);
    b.outlet("check", &check);
    b.outlet("plus", &plus);
    b.outlet("ok", &ok);
    b.outlet("popup", &popup);
    b.outlet("scroll", &scroll);
    b.outlet("help", &help);
    b.outlet("icon", &icon);
    b.outlet("dialog", &dialog);
    b.outlet("delegate", &delegate);
    for (const char* name : {"fieldChanged:", "comboChanged:", "clicked:", "chosen:"})
      b.action(name, [this, name](kit::Control* sender) { fired.emplace_back(name, sender); });
    b.customClass("IconView", [](const kit::Rect& frame) { return std::make_unique<IconView>(frame); });
    b.customClass("RecordingDelegate", [](const kit::Rect&) { return std::make_unique<RecordingDelegate>(); });
    return b;
  }
};

const char* const everyKind = R"({
  "objects": [ { "class": "RecordingDelegate", "outlet": "delegate" } ],
  "views": [ { "class": "View", "outlet": "view", "frame": [0, 0, 240, 158], "subviews": [
    { "class": "TextField", "outlet": "field", "frame": [10, 10, 60, 22], "text": "3 mm",
      "action": "fieldChanged:", "delegate": "delegate", "toolTip": "Marge du haut.",
      "backgroundColor": [0.2, 0.2, 0.2, 1] },
    { "class": "ComboBox", "outlet": "combo", "items": ["1", "2", "3"], "text": "2", "action": "comboChanged:" },
    { "class": "Button", "outlet": "check", "buttonType": "checkBox", "title": "Son", "state": 1, "action": "clicked:" },
    { "class": "Button", "outlet": "plus", "title": "+", "action": "clicked:", "enabled": false },
    { "class": "PopUpButton", "outlet": "popup", "items": ["Défaut", {"separator": true}, "Nouveau"],
      "selectedIndex": 2, "action": "chosen:" },
    { "class": "ScrollView", "outlet": "scroll", "frame": [0, 0, 216, 100],
      "documentView": { "class": "TextView", "outlet": "help", "text": "page 1", "alignment": "left" } },
    { "class": "IconView", "outlet": "icon", "frame": [70, 12, 18, 18], "hidden": true } ] } ],
  "windows": [ { "outlet": "dialog", "title": "Préférences", "frame": [0, 0, 300, 200], "subviews": [
    { "class": "Button", "outlet": "ok", "title": "OK", "keyEquivalent": "\r", "action": "clicked:" } ] } ]
})";

// Every kind of control is made and connected, its actions fire with their sender, the
// views are described as the clicks left them, and the layout owns what it made: its windows
// leave the application with it, and a borrowing superview keeps no dangling view.
TEST(Layout, EveryKindOfControlIsCreatedConnectedAndOwned) {
  Owner owner;
  auto bindings = owner.bindings();
  auto layout = kit::Layout::loadString(everyKind, "panel.json", bindings);
  layout->awakeFromNib();

  ASSERT_TRUE(owner.view && owner.field && owner.combo && owner.check && owner.plus && owner.ok && owner.popup &&
              owner.scroll && owner.help && owner.icon && owner.dialog && owner.delegate);
  EXPECT_EQ(owner.view->subviews().size(), 7u);
  // The values each key sets are checked through the description (DescriptionTest); here,
  // the connections.
  EXPECT_EQ(std::tuple(owner.field->superview(), owner.field->delegate(), owner.scroll->documentView(),
                       layout->objectNamed("help"), owner.ok->window()),
            std::tuple(owner.view, owner.delegate, owner.help, owner.help, owner.dialog));
  EXPECT_EQ(std::pair(owner.icon->awakenings, owner.delegate->awakenings), std::pair(1, 1));

  owner.check->performClick();
  owner.plus->performClick();  // disabled: nothing
  owner.popup->userChooseItem(0);
  owner.ok->performClick();
  owner.field->sendAction();
  using Fired = std::vector<std::pair<std::string, kit::Control*>>;
  EXPECT_EQ(owner.fired, (Fired{{"clicked:", owner.check}, {"chosen:", owner.popup}, {"clicked:", owner.ok},
                                {"fieldChanged:", owner.field}}));

  // The description holds the state the clicks left (what it holds of a file: DescriptionTest).
  nlohmann::json named = kit::describeNamedViews(*owner.view);
  EXPECT_EQ(std::tuple(named["check"]["state"], named["popup"]["selectedIndex"], named.contains("ok")),
            std::tuple(0, 0, false));  // the OK button is the dialog's
  EXPECT_EQ(kit::describeWindow(*owner.dialog)["subviews"][0]["identifier"], "ok");
  EXPECT_EQ(kit::Application::shared().windowWithIdentifier("dialog"), owner.dialog);
  kit::View panel;
  panel.addSubview(*owner.view);
  layout.reset();
  EXPECT_TRUE(panel.subviews().empty());
  EXPECT_EQ(kit::Application::shared().windowWithIdentifier("dialog"), nullptr);
}

struct BrokenCase {
  const char* label;
  const char* json;
  std::vector<std::string> expected;  // pieces of the message
};

class BrokenLayout : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenLayout, IsRefusedWithANamedErrorAndFillsNoSlot) {
  const BrokenCase& c = GetParam();
  Owner owner;
  kit::TextField sentinel;
  owner.field = &sentinel;  // a slot already holding something must keep it
  auto bindings = owner.bindings();
  bindings.customClass("Exploding", [](const kit::Rect&) -> std::unique_ptr<kit::Object> {
    throw std::runtime_error("boom");
  });
  try {
    kit::Layout::loadString(c.json, "panel.json", bindings);
    FAIL() << "loaded";
  } catch (const kit::LayoutError& e) {
    std::string message = e.what();
    EXPECT_EQ(message.rfind("panel.json: ", 0), 0u) << message;
    for (const auto& piece : c.expected) EXPECT_NE(message.find(piece), std::string::npos) << message;
  }
  EXPECT_EQ(std::tuple(owner.field, owner.view, owner.check, owner.delegate, owner.dialog),
            std::tuple(&sentinel, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(kit::Application::shared().windowWithIdentifier("dialog"), nullptr);
}

std::string deeplyNested(int depth) {
  std::string json = R"({"views": [)";
  for (int i = 0; i < depth; ++i) json += R"({"class": "View", "subviews": [)";
  for (int i = 0; i < depth; ++i) json += "]}";
  return json + "]}";
}
const std::string tooDeep = deeplyNested(kit::Layout::maxDepth + 1);

TEST(Layout, ViewsNestedAsDeepAsTheLimitLoad) {
  Owner owner;
  auto bindings = owner.bindings();
  EXPECT_NO_THROW(kit::Layout::loadString(deeplyNested(kit::Layout::maxDepth), "panel.json", bindings));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenLayout,
    ::testing::Values(
        BrokenCase{"UnknownClass", R"({"views": [{"class": "View", "outlet": "view", "subviews": [
                     {"class": "Gadget", "outlet": "check"}]}]})",
                   {"views[0].subviews[0] 'check'", "unknown class 'Gadget'"}},
        BrokenCase{"MissingAction", R"({"views": [{"class": "Button", "outlet": "check", "action": "nope:"}]})",
                   {"views[0] 'check'", "no action 'nope:'"}},
        BrokenCase{"WrongOutletType", R"({"views": [{"class": "View", "outlet": "view"},
                     {"class": "Button", "outlet": "field"}]})",
                   {"views[1] 'field'", "kit::TextField", "Button"}},
        BrokenCase{"MalformedJson", R"({"views": [{"class": "View", )", {"malformed JSON"}},
        BrokenCase{"NotAnObject", R"([1, 2])", {"expected a JSON object"}},
        BrokenCase{"MissingOutlet", R"({"views": [{"class": "View", "outlet": "nobody"}]})",
                   {"views[0] 'nobody'", "no outlet 'nobody'"}},
        BrokenCase{"UnknownKey", R"({"views": [{"class": "View", "outlet": "view", "colour": 1}]})",
                   {"views[0] 'view'", "unknown key 'colour'"}},
        BrokenCase{"KeyOfAnotherClass", R"({"views": [{"class": "View", "outlet": "view", "items": ["a"]}]})",
                   {"unknown key 'items'"}},
        BrokenCase{"DuplicateOutlet", R"({"views": [{"class": "View", "outlet": "view"}, {"class": "View", "outlet": "view"}]})",
                   {"views[1] 'view'", "used twice"}},
        BrokenCase{"UnknownDelegate", R"({"views": [{"class": "TextField", "outlet": "field", "delegate": "ghost"}]})",
                   {"views[0] 'field'", "'ghost' names no object"}},
        BrokenCase{"DelegateOfWrongKind", R"({"views": [{"class": "View", "outlet": "view"},
                     {"class": "TextField", "delegate": "view"}]})",
                   {"views[1]", "not a field delegate"}},
        BrokenCase{"BadFrame", R"({"views": [{"class": "View", "outlet": "view", "frame": [0, 0, "wide", 10]}]})",
                   {"'frame' must be a list of 4 numbers"}},
        BrokenCase{"NegativeSize", R"({"views": [{"class": "View", "outlet": "view", "frame": [0, 0, -1, 10]}]})",
                   {"negative size"}},
        BrokenCase{"WrongValueKind", R"({"views": [{"class": "Button", "outlet": "check", "title": 3}]})",
                   {"'title' must be a text"}},
        BrokenCase{"SelectedSeparator", R"({"views": [{"class": "PopUpButton", "outlet": "popup",
                     "items": ["a", {"separator": true}], "selectedIndex": 1}]})",
                   {"'selectedIndex' names no item"}},
        BrokenCase{"FactoryThrows", R"({"views": [{"class": "View", "outlet": "view"}, {"class": "Exploding"}]})",
                   {"views[1]", "'Exploding' could not be made: boom"}},
        BrokenCase{"CustomClassNotAView", R"({"views": [{"class": "RecordingDelegate", "outlet": "view"}]})",
                   {"is not a view"}},
        BrokenCase{"LaterFaultAfterWindow", R"({"windows": [{"outlet": "dialog", "visible": true}],
                     "views": [{"class": "Button", "outlet": "check", "action": "missing:"}]})",
                   {"no action 'missing:'"}},
        BrokenCase{"MaskNotAList", R"({"views": [{"class": "View", "outlet": "view",
                     "autoresizingMask": "flexibleWidth"}]})",
                   {"views[0] 'view'", "'autoresizingMask' must be a list"}},
        BrokenCase{"UnknownMaskFlag", R"({"views": [{"class": "View", "outlet": "view",
                     "autoresizingMask": ["flexibleWidth", "stretchy"]}]})",
                   {"unknown 'autoresizingMask' flag"}},
        BrokenCase{"MaskOnAWindow", R"({"windows": [{"outlet": "dialog", "autoresizingMask": []}]})",
                   {"unknown key 'autoresizingMask'"}},
        BrokenCase{"TooDeep", tooDeep.c_str(), {"nested too deeply"}}),
    [](const auto& info) { return std::string(info.param.label); });

// --- loading through a view controller from a bundle's Resources folder (the panel's
// controller tests load the real one) ---

class PanelController : public kit::ViewController {
 public:
  using kit::ViewController::ViewController;
  kit::Button* check = nullptr;

 protected:
  void bindLayout(kit::LayoutBindings& b) override { b.outlet("check", &check); }
};

class ControllerFolder : public ::testing::Test {
 protected:
  void write(const std::string& json) { temp.resource("Panel.json", json); }
  testhost::TempFolder temp;
  const std::filesystem::path& folder = temp.path;
};

TEST_F(ControllerFolder, MissingFileOrViewOutletIsAnErrorNamingTheFile) {
  PanelController controller("Panel", kit::Bundle(folder.string()));
  try {
    controller.view();
    FAIL();
  } catch (const kit::LayoutError& e) {
    EXPECT_NE(std::string(e.what()).find("Resources/Panel.json"), std::string::npos) << e.what();
  }
  write(R"({"views": [{"class": "Button", "outlet": "check"}]})");
  EXPECT_THROW(controller.view(), kit::LayoutError);  // nothing for the outlet "view"
  EXPECT_EQ(controller.check, nullptr);
  EXPECT_FALSE(controller.isViewLoaded());
}

}  // namespace
