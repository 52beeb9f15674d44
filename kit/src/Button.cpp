#include "kit/Button.h"

namespace kit {

Button::Button(const Rect& frame) : Control("Button", frame) {}
Button::~Button() = default;

void Button::setState(int state) {
  state_ = (state == ControlStateOff || state == ControlStateMixed) ? state : ControlStateOn;
}

void Button::click() {
  switch (type_) {
    case ButtonType::MomentaryPushIn: break;
    case ButtonType::PushOnPushOff:
    case ButtonType::Toggle:
    case ButtonType::Switch: state_ = state_ == ControlStateOn ? ControlStateOff : ControlStateOn; break;
    case ButtonType::Radio: state_ = ControlStateOn; break;
  }
  sendAction();
}

void Button::performClick() {
  if (isEnabled()) click();
}

void Button::mouseDown(const Event&) { click(); }

}  // namespace kit
