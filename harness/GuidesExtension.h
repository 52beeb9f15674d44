// What the harness of the guides plug-in adds to the host's session language: the module
// loaded by default, the panel's working unit on the prompt's state line, the guides and
// the panel in `print summary`, and random sessions with their invariants.
#ifndef GUIDES_HARNESS_GUIDESEXTENSION_H
#define GUIDES_HARNESS_GUIDESEXTENSION_H

#include "session/SessionExtension.h"

namespace harness {

// The plug-in module's file name, built at ../plugin/ from the host's folder.
inline constexpr const char* kModuleName = "Guides.so";

class GuidesExtension : public host::SessionExtension {
 public:
  std::string defaultModuleName() const override;
  std::unique_ptr<host::StateLineParts> stateLineParts() const override;
  std::string summaryParts() const override;
  std::unique_ptr<host::RandomSteps> randomSteps(uint64_t seed, host::EventLoop& events) const override;
  std::string checkStep(const host::StepMark& mark) const override;
};

}  // namespace harness

#endif
