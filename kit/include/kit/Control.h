// A view that holds a value, can be disabled, and sends an action to its target.
#pragma once

#include <functional>
#include <string>

#include "kit/View.h"

namespace kit {

class Control;

// The action: a callable that receives the sending control (Cocoa's target and selector
// in one; the callable carries its target).
using Action = std::function<void(Control* sender)>;

enum class TextAlignment { Left, Right, Center, Justified, Natural };

class Control : public View {
 public:
  explicit Control(const Rect& frame = {});
  ~Control() override;

  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

  // The value is kept as text; the numeric readings are those of kit/NumberText.h.
  const std::string& stringValue() const { return text_; }
  virtual void setStringValue(std::string text);
  int intValue() const;
  long integerValue() const;
  float floatValue() const;
  double doubleValue() const;
  void setIntValue(int value);
  void setIntegerValue(long value);
  void setFloatValue(float value);    // shortest text that reads back the same float
  void setDoubleValue(double value);  // shortest text that reads back the same double

  TextAlignment alignment() const { return alignment_; }
  void setAlignment(TextAlignment alignment) { alignment_ = alignment; }

  // The name is the selector a layout file gives ("PANzoneMargeHautCBP:"), kept for
  // inspection; the callable is what runs.
  void setAction(Action action, std::string name = {});
  const std::string& actionName() const { return actionName_; }
  bool hasAction() const { return static_cast<bool>(action_); }
  // Runs the action with this control as the sender; false when there is none. The
  // action may destroy the control.
  bool sendAction();

  // A programmatic click: ignores visibility and modal runs, does nothing when disabled.
  virtual void performClick();

  Delivery refusalForUserEvent() const override;
  bool canBecomeKeyView() const override;

 protected:
  Control(std::string className, const Rect& frame);
  // Sets the text without side effects of subclasses.
  void storeText(std::string text) { text_ = std::move(text); }

 private:
  bool enabled_ = true;
  std::string text_;
  TextAlignment alignment_ = TextAlignment::Natural;
  Action action_;
  std::string actionName_;
};

}  // namespace kit
