#include "harness/GuidesExtension.h"

#include "harness/GuidesSummary.h"
#include "harness/RandomSteps.h"
#include "harness/SessionInvariants.h"
#include "harness/WorkingUnit.h"

namespace harness {

std::string GuidesExtension::defaultModuleName() const { return kModuleName; }

std::unique_ptr<host::StateLineParts> GuidesExtension::stateLineParts() const {
  return std::make_unique<WorkingUnit>();
}

std::string GuidesExtension::summaryParts() const { return harness::summaryParts(); }

std::unique_ptr<host::RandomSteps> GuidesExtension::randomSteps(uint64_t seed, host::EventLoop& events) const {
  return std::make_unique<StepGenerator>(seed, events);
}

std::string GuidesExtension::checkStep(const host::StepMark& mark) const { return harness::checkStep(mark); }

}  // namespace harness
