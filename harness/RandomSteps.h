// The steps of random sessions: session lines drawn at random but valid in the session's
// present state, so that each runs through the command table as a user's action would.
// The generator reads only what a user sees: the documents and their art, the toolbox,
// the menus, and the named controls of the panels and of the dialog running modally, so it
// drives whatever the plug-in shows. While a dialog runs, the steps address it (now and then
// something outside it, which it must refuse); a dialog still open after many steps is
// closed with Escape, then its cancel or OK button.
#ifndef GUIDES_HARNESS_RANDOMSTEPS_H
#define GUIDES_HARNESS_RANDOMSTEPS_H

#include <cstdint>
#include <optional>
#include <string>

#include "harness/RandomTexts.h"
#include "session/SessionExtension.h"

namespace kit {
class Window;
}

namespace harness {

class StepGenerator : public host::RandomSteps {
 public:
  // The events let the generator open the menus, as a user does before choosing an item.
  StepGenerator(uint64_t seed, host::EventLoop& events) : random_(seed), events_(events) {}

  // The next step, or nothing when the dialog running modally could not be closed by any
  // of its buttons or keys.
  std::optional<std::string> next() override;

 private:
  std::string anyStep();
  std::string dialogStep(const kit::Window& dialog);

  std::string documentStep();
  std::string artboardStep();
  std::string artStep();
  std::string layerStep();
  std::string deleteStep();
  std::string toolStep();
  std::string mouseStep();
  std::string keyStep();
  std::string viewStep();
  std::string selectionStep();
  std::string historyStep();
  std::string menuStep();
  std::string flyoutStep();
  std::string notifyingStep();
  std::string panelStep();
  std::string restartStep();

  Random random_;
  host::EventLoop& events_;
  int objectsMade_ = 0;
  int layersMade_ = 0;
  const kit::Window* dialog_ = nullptr;  // the dialog the last steps addressed
  int stepsInDialog_ = 0;
};

}  // namespace harness

#endif
