#include "kit/TextField.h"

#include "kit/Application.h"
#include "kit/TextView.h"
#include "kit/Window.h"

namespace kit {

TextFieldDelegate::~TextFieldDelegate() = default;
bool TextFieldDelegate::doCommandBySelector(Control*, TextView*, const std::string&) { return false; }

TextField::TextField(const Rect& frame) : TextField("TextField", frame) {}
TextField::TextField(std::string className, const Rect& frame) : Control(std::move(className), frame) {}
TextField::~TextField() = default;

void TextField::setStringValue(std::string text) {
  Control::setStringValue(std::move(text));
  selection_ = Range{stringValue().size(), 0};
  if (TextView* editor = currentEditor()) editor->setString(stringValue());
}

bool TextField::acceptsFirstResponder() const { return isEnabled() && isSelectable(); }

void TextField::selectText() {
  Window* w = window();
  if (!w || !acceptsFirstResponder() || !w->makeFirstResponder(this)) return;
  selection_ = Range{0, stringValue().size()};
  TextView* editor = w->fieldEditor();
  editor->setString(stringValue());
  editor->setSelectedRange(selection_);
}

bool TextField::isEditing() const {
  Window* w = window();
  return w && w->firstResponder() == this;
}

Range TextField::selectedRange() const { return isEditing() ? selection_ : Range{}; }

TextView* TextField::currentEditor() const { return isEditing() ? window()->fieldEditor() : nullptr; }

void TextField::mouseDown(const Event&) {
  if (!isEditing()) selectText();
}

// A key event keeps the modifiers the host set for it.
void TextField::markKeyDown() {
  Application& app = Application::shared();
  app.setCurrentEvent(Event{EventType::KeyDown, app.currentModifierFlags(), frame().origin, nullptr});
}

void TextField::beginEditingIfNeeded() {
  if (!isEditing()) selectText();
}

bool TextField::offerCommand(const std::string& selector) {
  return delegate_ && delegate_->doCommandBySelector(this, currentEditor(), selector);
}

void TextField::performDefaultCommand(const std::string& selector) {
  Window* w = window();
  if (selector == "insertTab:") {
    if (w) w->selectNextKeyView();
  } else if (selector == "insertBacktab:") {
    if (w) w->selectPreviousKeyView();
  } else if (selector == "insertNewline:") {
    selectText();  // before the action, which may move the focus or destroy the field
    sendAction();
  }
}

Delivery TextField::userTypeText(const std::string& text) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  if (!editable_) return Delivery::RefusedNotEditable;
  markKeyDown();
  beginEditingIfNeeded();
  setStringValue(text);
  if (!offerCommand("insertNewline:")) performDefaultCommand("insertNewline:");
  return Delivery::Delivered;
}

Delivery TextField::userCommand(const std::string& selector) {
  Delivery d = refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  markKeyDown();
  beginEditingIfNeeded();
  if (!offerCommand(selector)) performDefaultCommand(selector);
  return Delivery::Delivered;
}

}  // namespace kit
