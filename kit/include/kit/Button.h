// Push buttons, toggles, check boxes and radio buttons.
#pragma once

#include <string>

#include "kit/Control.h"

namespace kit {

enum class ButtonType { MomentaryPushIn, PushOnPushOff, Toggle, Switch, Radio };

inline constexpr int ControlStateOff = 0;
inline constexpr int ControlStateOn = 1;
inline constexpr int ControlStateMixed = -1;

class Button : public Control {
 public:
  explicit Button(const Rect& frame = {});
  ~Button() override;

  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  // Off, on or mixed; any other value counts as on.
  int state() const { return state_; }
  void setState(int state);
  ButtonType buttonType() const { return type_; }
  void setButtonType(ButtonType type) { type_ = type; }
  bool isCheckBox() const { return type_ == ButtonType::Switch; }

  // The name of the template image the button shows beside or instead of its title ("lock":
  // a padlock, open while off and closed while on); empty for none.
  const std::string& imageName() const { return imageName_; }
  void setImageName(std::string name) { imageName_ = std::move(name); }

  // "\r" for Return, "\x1b" for Escape, or a character with a modifier mask.
  const std::string& keyEquivalent() const { return keyEquivalent_; }
  void setKeyEquivalent(std::string key) { keyEquivalent_ = std::move(key); }
  ModifierFlags keyEquivalentModifierMask() const { return keyMask_; }
  void setKeyEquivalentModifierMask(ModifierFlags mask) { keyMask_ = mask; }

  // A click: toggles, check boxes and radio buttons change state, then the action is sent.
  void performClick() override;
  void mouseDown(const Event& event) override;

 private:
  void click();

  std::string title_;
  int state_ = ControlStateOff;
  ButtonType type_ = ButtonType::MomentaryPushIn;
  std::string imageName_;
  std::string keyEquivalent_;
  ModifierFlags keyMask_ = 0;
};

}  // namespace kit
