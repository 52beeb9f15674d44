// The unit the guides panel works in, as the prompt's state line shows it ("unit mm", "unit
// ?" before the panel has one, "no panel").
#ifndef GUIDES_HARNESS_WORKINGUNIT_H
#define GUIDES_HARNESS_WORKINGUNIT_H

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Ref.h"
#include "session/SessionExtension.h"

namespace host {
struct Document;
}

namespace harness {

// Followed command by command the way the plug-in sets it: from the front document's ruler
// unit when a plug-in tool gets selected (pixels as points, the units the panel has no
// code for as millimetres) and when that ruler unit changes (pixels as points, the units
// it has no code for change nothing), and from the unit named by a text typed into a
// length field that took it. Empty until one of these happened.
class WorkingUnit : public host::StateLineParts {
 public:
  void beforeCommand() override;
  void afterCommand(const host::Command& command, const host::Arguments& arguments, bool delivered) override;
  // " | unit mm", " | unit ?" or " | no panel".
  std::string text() const override;
  const std::string& unit() const { return unit_; }

 private:
  host::Ref tool_;
  const host::Document* document_ = nullptr;
  int16_t rulerUnits_ = 0;
  std::string unit_;
};

}  // namespace harness

#endif
