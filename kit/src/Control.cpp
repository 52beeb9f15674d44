#include "kit/Control.h"

#include <charconv>
#include <string>

#include "kit/NumberText.h"

namespace kit {

namespace {
template <class Real>
std::string shortestText(Real value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}
}  // namespace

Control::Control(const Rect& frame) : Control("Control", frame) {}
Control::Control(std::string className, const Rect& frame) : View(std::move(className), frame) {}
Control::~Control() = default;

void Control::setStringValue(std::string text) { text_ = std::move(text); }
int Control::intValue() const { return readLeadingInt(text_); }
long Control::integerValue() const { return readLeadingInteger(text_); }
float Control::floatValue() const { return readLeadingFloat(text_); }
double Control::doubleValue() const { return readLeadingDouble(text_); }
void Control::setIntValue(int value) { setStringValue(std::to_string(value)); }
void Control::setIntegerValue(long value) { setStringValue(std::to_string(value)); }
void Control::setFloatValue(float value) { setStringValue(shortestText(value)); }
void Control::setDoubleValue(double value) { setStringValue(shortestText(value)); }

void Control::setAction(Action action, std::string name) {
  action_ = std::move(action);
  actionName_ = std::move(name);
}

bool Control::sendAction() {
  if (!action_) return false;
  Action action = action_;  // the action may destroy this control, and with it action_
  action(this);
  return true;
}

void Control::performClick() {
  if (isEnabled()) sendAction();
}

Delivery Control::refusalForUserEvent() const {
  Delivery d = View::refusalForUserEvent();
  if (d != Delivery::Delivered) return d;
  return enabled_ ? Delivery::Delivered : Delivery::RefusedDisabled;
}

bool Control::canBecomeKeyView() const { return enabled_ && View::canBecomeKeyView(); }

}  // namespace kit
