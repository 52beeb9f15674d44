// The keyboard delegate of the ten value fields, made by the panel's layout file. It is
// offered every editing command of those fields before the editor performs it: the arrow
// keys step the value (Shift: the large step), Tab and Shift+Tab move to the next or the
// previous field, skipping the locked margins. Every other command is left to the editor.
#ifndef GUIDES_DELEGATEZEROUNUNGUIDES_H
#define GUIDES_DELEGATEZEROUNUNGUIDES_H

#include <string>

#include "kit/Object.h"
#include "kit/TextField.h"

class DelegateZeroUnUnGuides : public kit::Object, public kit::TextFieldDelegate {
 public:
  // True when the command was handled (the editor then does nothing more): the two Tab
  // commands and the four arrow commands, whatever the control.
  bool doCommandBySelector(kit::Control* control, kit::TextView* editor, const std::string& selector) override;
};

#endif
