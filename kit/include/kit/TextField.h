// A one-line text field, editable or a label, with colours, text selection and a
// delegate offered the editing commands before they are performed.
#pragma once

#include <optional>
#include <string>

#include "kit/Color.h"
#include "kit/Control.h"

namespace kit {

class TextView;

class TextFieldDelegate {
 public:
  virtual ~TextFieldDelegate();
  // Offered every editing command ("insertTab:", "moveUp:", "insertNewline:", ...) of a
  // field being edited; true when handled (the editor then does nothing more).
  virtual bool doCommandBySelector(Control* control, TextView* editor, const std::string& selector);
};

class TextField : public Control {
 public:
  explicit TextField(const Rect& frame = {});
  ~TextField() override;

  void setStringValue(std::string text) override;

  // Until one is set, the control text colour of the appearance of the moment.
  Color textColor() const { return textColor_.value_or(Color::controlTextColor()); }
  void setTextColor(Color color) { textColor_ = color; }
  Color backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(Color color) { backgroundColor_ = color; }
  bool drawsBackground() const { return drawsBackground_; }
  void setDrawsBackground(bool draws) { drawsBackground_ = draws; }
  bool isEditable() const { return editable_; }
  void setEditable(bool editable) { editable_ = editable; }
  bool isSelectable() const { return selectable_ || editable_; }
  void setSelectable(bool selectable) { selectable_ = selectable; }

  // Not owned: the delegate must outlive the field or be cleared first.
  TextFieldDelegate* delegate() const { return delegate_; }
  void setDelegate(TextFieldDelegate* delegate) { delegate_ = delegate; }

  // Makes the field its window's first responder with the whole text selected.
  // Without a window, or for a field that takes no focus, nothing happens.
  void selectText();
  // True while the field is its window's first responder.
  bool isEditing() const;
  // The selection while editing; empty otherwise.
  Range selectedRange() const;
  // The window's field editor while editing, else nullptr.
  TextView* currentEditor() const;

  bool acceptsFirstResponder() const override;
  void mouseDown(const Event& event) override;

  // --- user-level entry points (they keep the modifiers the host set) ---
  // Replaces the text and validates it as Return does: "insertNewline:" is offered to
  // the delegate and, unless it handles it, the action is sent.
  Delivery userTypeText(const std::string& text);
  // Offers an editing command to the delegate, then performs the default behaviour if
  // the delegate declines: "insertTab:" / "insertBacktab:" move the first responder
  // along the Tab order, "insertNewline:" sends the action; other commands only edit.
  Delivery userCommand(const std::string& selector);

 protected:
  TextField(std::string className, const Rect& frame);

 private:
  bool offerCommand(const std::string& selector);
  void performDefaultCommand(const std::string& selector);
  void beginEditingIfNeeded();
  void markKeyDown();

  std::optional<Color> textColor_;
  Color backgroundColor_ = Color::whiteColor();
  bool drawsBackground_ = true;
  bool editable_ = true;
  bool selectable_ = true;
  TextFieldDelegate* delegate_ = nullptr;
  Range selection_;
};

}  // namespace kit
