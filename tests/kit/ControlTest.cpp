// Controls as the plug-in and the host's session commands use them: numeric readings of
// field texts, focus and text selection, the Tab order, editing commands offered to a
// delegate, pop-up bookkeeping, and the refusal of events by hidden or disabled controls.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "kit/Kit.h"

namespace {

// A new control of that class in `parent`, showing `text` (a button takes it as its key).
template <class Control>
Control* add(kit::View& parent, const char* text = "") {
  auto* control = static_cast<Control*>(parent.addSubview(std::make_unique<Control>()));
  if constexpr (std::is_same_v<Control, kit::Button>)
    control->setKeyEquivalent(text);
  else if (*text)
    control->setStringValue(text);
  return control;
}

TEST(FieldNumber, FloatValueReadsTheNumberAtTheStartWithAPoint) {
  kit::TextField field;
  auto read = [&](const std::string& text) {
    field.setStringValue(text);
    return field.floatValue();
  };
  // The comma is not a decimal separator here; an unfinished exponent is not part of the number.
  for (const auto& [text, value] : std::initializer_list<std::pair<std::string, float>>{
           {"12.5 mm", 12.5f}, {"12,5", 12.0f}, {"abc", 0.0f}, {"", 0.0f}, {" 3", 3.0f}, {"-0.5cm", -0.5f},
           {".25", 0.25f}, {"1e3 pt", 1000.0f}, {"4e", 4.0f}, {"1e400", INFINITY}, {"-1e400", -INFINITY},
           {"1e-400", 0.0f}, {"inf", 0.0f}, {"nan", 0.0f}, {std::string(5000, '9'), INFINITY}})
    EXPECT_EQ(read(text), value) << text;
  EXPECT_EQ(double(read("2.37")), double(2.37f));  // single precision, as the fields are read
  EXPECT_EQ(read("0." + std::string(5000, '0') + "1"), 0.0f);
}

TEST(FieldNumber, WholeNumbersSaturateInsteadOfOverflowing) {
  kit::TextField field;
  auto read = [&](const std::string& text) {
    field.setStringValue(text);
    return std::pair(field.intValue(), field.integerValue());
  };
  EXPECT_EQ(read("12.9 colonnes").first, 12);
  EXPECT_EQ(read("  -7").first, -7);
  EXPECT_EQ(read("99999999999"), std::pair(INT_MAX, 99999999999L));
  EXPECT_EQ(read("-99999999999999999999999"), std::pair(INT_MIN, LONG_MIN));
  EXPECT_EQ(read("-2147483648").first, INT_MIN);
  EXPECT_EQ(read("x1").first, 0);
  field.setIntValue(42);
  EXPECT_EQ(field.stringValue(), "42");
  field.setFloatValue(2.5f);
  EXPECT_EQ(field.stringValue(), "2.5");
}

// A window with three fields and a label, as a panel would have.
struct FieldWindow {
  kit::Window window{kit::makeRect(0, 0, 240, 158)};
  kit::TextField* top;
  kit::TextField* bottom;
  kit::TextField* label;
  kit::TextField* columns;
  std::vector<kit::Control*> sent;

  FieldWindow() {
    auto add = [&](const char* text) {
      auto* f = ::add<kit::TextField>(*window.contentView(), text);
      f->setAction([this](kit::Control* c) { sent.push_back(c); });
      return f;
    };
    top = add("3 mm");
    bottom = add("4 mm");
    label = add("1/11");
    label->setEditable(false);
    label->setSelectable(false);
    columns = add("2");
  }
};

// A field whose owner gave it no text colour stays readable when the appearance changes; a
// colour given stays whatever the appearance.
TEST(FieldColours, TheDefaultTextColourFollowsTheAppearance) {
  kit::Application& app = kit::Application::shared();
  kit::TextField plain, red;
  red.setTextColor(kit::Color::colorWithCalibratedRed(1, 0, 0, 1));
  app.setDarkAppearance(true);
  const kit::Color darkText = plain.textColor();
  const kit::Color redInDark = red.textColor();
  app.setDarkAppearance(false);
  EXPECT_GT(darkText.redComponent(), 0.8);
  EXPECT_EQ(plain.textColor(), kit::Color::blackColor());
  EXPECT_EQ(redInDark, red.textColor());
  EXPECT_EQ(red.textColor(), kit::Color::colorWithCalibratedRed(1, 0, 0, 1));
}

TEST(FieldFocus, SelectTextMakesTheFieldFirstResponderWithTheWholeTextSelected) {
  FieldWindow w;
  w.top->selectText();
  EXPECT_EQ(std::tuple(w.window.firstResponder(), w.top->isEditing(), w.top->selectedRange()),
            std::tuple(w.top, true, kit::Range{0, 4}));
  ASSERT_NE(w.top->currentEditor(), nullptr);
  EXPECT_EQ(w.top->currentEditor()->string(), "3 mm");

  w.bottom->selectText();
  EXPECT_EQ(std::tuple(w.window.firstResponder(), w.top->isEditing(), w.top->selectedRange()),
            std::tuple(w.bottom, false, kit::Range{}));

  w.label->selectText();  // a plain label takes no focus
  EXPECT_EQ(w.window.firstResponder(), w.bottom);

  kit::TextField loose;
  loose.selectText();  // outside any window nothing can be focused
  EXPECT_FALSE(loose.isEditing());

  // A field that leaves the window stops being its first responder.
  auto removed = w.bottom->removeFromSuperview();
  EXPECT_EQ(w.window.firstResponder(), nullptr);

  // So does a field owned elsewhere, destroyed while it is shown and focused.
  auto borrowed = std::make_unique<kit::TextField>(kit::makeRect(0, 0, 80, 20));
  w.window.contentView()->addSubview(*borrowed);
  borrowed->selectText();
  ASSERT_EQ(w.window.firstResponder(), borrowed.get());
  borrowed.reset();
  EXPECT_EQ(w.window.firstResponder(), nullptr);
}

TEST(FieldFocus, TabMovesAlongTheFieldsSkippingThoseThatTakeNoFocus) {
  FieldWindow w;
  w.top->selectText();
  EXPECT_EQ(w.top->userCommand("insertTab:"), kit::Delivery::Delivered);
  EXPECT_EQ(w.window.firstResponder(), w.bottom);
  EXPECT_EQ(w.bottom->selectedRange(), (kit::Range{0, 4}));
  w.bottom->userCommand("insertTab:");
  EXPECT_EQ(w.window.firstResponder(), w.columns);  // the label is skipped
  w.columns->setEnabled(false);
  w.bottom->selectText();
  w.bottom->userCommand("insertTab:");
  EXPECT_EQ(w.window.firstResponder(), w.top);  // disabled skipped, wrapped around
  w.top->userCommand("insertBacktab:");
  EXPECT_EQ(w.window.firstResponder(), w.bottom);
}

// Each command offered: its name, the control, the editor and the modifier flags then.
using Offer = std::tuple<std::string, kit::Control*, kit::TextView*, kit::ModifierFlags>;

class CommandLog : public kit::TextFieldDelegate {
 public:
  bool doCommandBySelector(kit::Control* control, kit::TextView* editor, const std::string& selector) override {
    offered.emplace_back(selector, control, editor, kit::Application::shared().currentModifierFlags());
    if (selector == "moveUp:") static_cast<kit::TextField*>(control)->setStringValue("4 mm");
    return selector == "moveUp:" || selector == "insertTab:";
  }
  std::vector<Offer> offered;
};

TEST(FieldDelegate, CommandsAreOfferedFirstDeclinedOnesPerformedAndTypedTextValidated) {
  FieldWindow w;
  CommandLog log;
  w.top->setDelegate(&log);

  kit::Application::shared().setCurrentModifierFlags(kit::EventModifierFlagShift);  // as the host does
  w.top->userCommand("moveUp:");
  kit::Application::shared().setCurrentModifierFlags(0);
  EXPECT_EQ(w.top->stringValue(), "4 mm");
  EXPECT_EQ(w.top->currentEditor()->string(), "4 mm");  // the editor follows the field
  w.top->userCommand("insertTab:");                     // handled: the focus stays
  EXPECT_EQ(w.window.firstResponder(), w.top);
  w.top->userCommand("insertBacktab:");  // declined: performed
  EXPECT_EQ(w.window.firstResponder(), w.columns);

  kit::TextView* const editor = w.window.fieldEditor();
  EXPECT_EQ(log.offered, (std::vector<Offer>{{"moveUp:", w.top, editor, kit::EventModifierFlagShift},
                                             {"insertTab:", w.top, editor, 0}, {"insertBacktab:", w.top, editor, 0}}));
  EXPECT_TRUE(w.sent.empty());

  // Typed text is validated as by Return, which the delegate is offered first.
  EXPECT_EQ(w.top->userTypeText("12,5 cm"), kit::Delivery::Delivered);
  EXPECT_EQ(w.top->stringValue(), "12,5 cm");
  EXPECT_EQ(std::get<0>(log.offered.back()), "insertNewline:");
  EXPECT_EQ(w.sent, (std::vector<kit::Control*>{w.top}));
  EXPECT_EQ(w.top->selectedRange(), (kit::Range{0, 7}));
  EXPECT_EQ(w.label->userTypeText("2/11"), kit::Delivery::RefusedNotEditable);
  EXPECT_EQ(w.label->stringValue(), "1/11");
}

TEST(PopUp, ItemBookkeeping) {
  kit::PopUpButton popup;
  EXPECT_EQ(popup.indexOfSelectedItem(), -1);
  EXPECT_EQ(popup.titleOfSelectedItem(), "");
  popup.addItemWithTitle("Défaut");
  EXPECT_EQ(popup.indexOfSelectedItem(), 0);  // a pop-up shows its first item
  popup.addSeparatorItem();
  popup.addItemsWithTitles({"Nouveau set…", "Supprimer des sets…"});
  EXPECT_TRUE(popup.insertItemWithTitle("Mon set 1", 1));
  EXPECT_TRUE(popup.insertItemWithTitle("Mon set 1", 2));  // same title: still a new item
  EXPECT_EQ(popup.numberOfItems(), 6);
  EXPECT_EQ(popup.itemTitles(),
            (std::vector<std::string>{"Défaut", "Mon set 1", "Mon set 1", "", "Nouveau set…", "Supprimer des sets…"}));
  EXPECT_TRUE(popup.itemAtIndex(3)->separator);
  EXPECT_EQ(popup.itemAtIndex(6), nullptr);
  EXPECT_EQ(popup.itemTitleAtIndex(-1), "");

  EXPECT_TRUE(popup.selectItemAtIndex(2));
  EXPECT_EQ(popup.titleOfSelectedItem(), "Mon set 1");
  EXPECT_FALSE(popup.selectItemAtIndex(3));  // a separator
  EXPECT_FALSE(popup.selectItemAtIndex(6));
  EXPECT_FALSE(popup.insertItemWithTitle("x", 7));
  EXPECT_EQ(popup.indexOfSelectedItem(), 2);

  popup.removeItemAtIndex(1);  // above the selection: it follows its item
  EXPECT_EQ(popup.indexOfSelectedItem(), 1);
  popup.insertItemWithTitle("Mon set 0", 1);
  EXPECT_EQ(popup.indexOfSelectedItem(), 2);
  popup.removeItemAtIndex(2);  // the selected item itself
  EXPECT_EQ(popup.indexOfSelectedItem(), 0);
  EXPECT_FALSE(popup.removeItemAtIndex(-1));

  popup.removeAllItems();
  EXPECT_EQ(popup.numberOfItems(), 0);
  EXPECT_EQ(popup.indexOfSelectedItem(), -1);
  for (int i = 0; i < 3; ++i) popup.insertItemWithTitle("Plan " + std::to_string(i + 1), i);
  EXPECT_EQ(popup.itemTitles(), (std::vector<std::string>{"Plan 1", "Plan 2", "Plan 3"}));
}

TEST(PopUp, ChoosingAnItemSelectsItThenSendsTheActionWithTheModifiers) {
  kit::PopUpButton popup;
  popup.addItemsWithTitles({"a", "b"});
  popup.addSeparatorItem();
  popup.addItemWithTitle("off");
  popup.itemAtIndex(3)->enabled = false;
  std::vector<std::pair<int, kit::ModifierFlags>> seen;
  popup.setAction([&](kit::Control* sender) {
    seen.emplace_back(static_cast<kit::PopUpButton*>(sender)->indexOfSelectedItem(),
                      kit::Application::shared().currentModifierFlags());
  });
  EXPECT_EQ(popup.userChooseItem(1, kit::EventModifierFlagOption), kit::Delivery::Delivered);
  EXPECT_EQ(popup.userChooseItem(2), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(popup.userChooseItem(3), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(popup.userChooseItem(9), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(seen, (std::vector<std::pair<int, kit::ModifierFlags>>{{1, kit::EventModifierFlagOption}}));
}

TEST(ComboBoxItems, ChoosingPutsTheItemInTheText) {
  kit::ComboBox combo;
  combo.addItemsWithObjectValues({"1", "2", "3"});
  int actions = 0;
  combo.setAction([&](kit::Control*) { ++actions; });
  EXPECT_EQ(combo.userChooseItem(2), kit::Delivery::Delivered);
  EXPECT_EQ(combo.stringValue(), "3");
  EXPECT_EQ(combo.intValue(), 3);
  EXPECT_EQ(combo.indexOfSelectedItem(), 2);
  combo.setStringValue("7");
  EXPECT_EQ(combo.indexOfSelectedItem(), -1);
  EXPECT_EQ(combo.userChooseItem(3), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(actions, 1);
}

TEST(Buttons, ClicksChangeStateByTypeThenSendTheAction) {
  kit::Button check, push, radio;
  check.setButtonType(kit::ButtonType::Switch);
  radio.setButtonType(kit::ButtonType::Radio);
  std::vector<int> states;
  for (kit::Button* b : {&check, &push, &radio})
    b->setAction([&](kit::Control* c) { states.push_back(static_cast<kit::Button*>(c)->state()); });
  check.userClick();
  check.performClick();
  push.userClick();
  radio.userClick();
  radio.userClick();
  EXPECT_EQ(states, (std::vector<int>{1, 0, 0, 1, 1}));
  check.setState(7);
  EXPECT_EQ(check.state(), kit::ControlStateOn);
}

TEST(Refusals, HiddenOrDisabledControlsRefuseUserEventsAndSendNothing) {
  kit::Window window;
  auto* group = window.contentView()->addSubview(std::make_unique<kit::View>());
  auto* button = add<kit::Button>(*group);
  auto* field = add<kit::TextField>(*group);
  auto* popup = add<kit::PopUpButton>(*group);
  popup->addItemWithTitle("Plan 1");
  int actions = 0;
  for (kit::Control* c : std::initializer_list<kit::Control*>{button, field, popup})
    c->setAction([&](kit::Control*) { ++actions; });

  button->setHidden(true);
  EXPECT_EQ(button->userClick(), kit::Delivery::RefusedHidden);
  button->setHidden(false);
  button->setEnabled(false);
  EXPECT_EQ(button->userClick(), kit::Delivery::RefusedDisabled);
  button->performClick();  // programmatic clicks honour the enabled state too
  field->setEnabled(false);
  EXPECT_EQ(field->userTypeText("5"), kit::Delivery::RefusedDisabled);
  EXPECT_EQ(field->userCommand("insertNewline:"), kit::Delivery::RefusedDisabled);
  EXPECT_EQ(field->stringValue(), "");
  group->setHidden(true);  // inside a hidden superview
  EXPECT_EQ(popup->userChooseItem(0), kit::Delivery::RefusedHidden);
  EXPECT_EQ(popup->userClick(), kit::Delivery::RefusedHidden);
  EXPECT_EQ(actions, 0);

  group->setHidden(false);
  button->setEnabled(true);
  EXPECT_EQ(button->userClick(), kit::Delivery::Delivered);
  EXPECT_EQ(actions, 1);
  button->setHidden(true);  // a hidden button still takes programmatic clicks
  button->performClick();
  EXPECT_EQ(actions, 2);
  EXPECT_STREQ(kit::describe(kit::Delivery::RefusedDisabled), "refused: control is disabled");
}

TEST(KeyEquivalents, ReturnAndEscapeClickTheMatchingButton) {
  kit::Window dialog;
  auto* ok = add<kit::Button>(*dialog.contentView(), "\r");
  auto* cancel = add<kit::Button>(*dialog.contentView(), "\x1b");
  auto* byDefault = add<kit::Button>(*dialog.contentView(), "d");
  byDefault->setKeyEquivalentModifierMask(kit::EventModifierFlagCommand);
  std::vector<kit::Control*> clicked;
  for (kit::Button* b : {ok, cancel, byDefault}) b->setAction([&](kit::Control* c) { clicked.push_back(c); });
  EXPECT_EQ(dialog.userKeyEquivalent("\x1b"), kit::Delivery::Delivered);
  EXPECT_EQ(dialog.userKeyEquivalent("d"), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(dialog.userKeyEquivalent("d", kit::EventModifierFlagCommand), kit::Delivery::Delivered);
  ok->setEnabled(false);
  EXPECT_EQ(dialog.userKeyEquivalent("\r"), kit::Delivery::RefusedNoSuchItem);
  EXPECT_EQ(clicked, (std::vector<kit::Control*>{cancel, byDefault}));
}

TEST(ViewTree, OwnedAndBorrowedSubviewsGoAwayCleanlyInEitherOrder) {
  auto borrowed = std::make_unique<kit::View>();
  {
    kit::View panel;
    panel.addSubview(*borrowed);
    EXPECT_EQ(borrowed->superview(), &panel);
    auto* owned = panel.addSubview(std::make_unique<kit::View>());
    owned->setIdentifier("owned");
    EXPECT_EQ(panel.viewWithIdentifier("owned"), owned);
    EXPECT_FALSE(owned->addSubview(panel));  // no cycles
  }
  EXPECT_EQ(borrowed->superview(), nullptr);  // the panel went first

  kit::View panel;
  panel.addSubview(*borrowed);
  borrowed.reset();  // the borrowed view went first
  EXPECT_TRUE(panel.subviews().empty());

  auto* moved = panel.addSubview(std::make_unique<kit::View>());
  kit::View other;
  other.addSubview(*moved);  // ownership moves along with the view
  EXPECT_TRUE(panel.subviews().empty());
  EXPECT_EQ(moved->superview(), &other);
  EXPECT_NE(moved->removeFromSuperview(), nullptr);
}

}  // namespace
