// What the host can see of a session at a glance, for the prompt: the selected tool, the
// last click delivered, the guides in the front document and the unit the panel works in.
#ifndef GUIDES_HOST_APP_SESSIONSTATE_H
#define GUIDES_HOST_APP_SESSIONSTATE_H

#include <cstdint>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "model/Ref.h"

namespace host {

class Application;
struct Document;
class EventLoop;

// The panel's top margin field, whose unit the summary line shows.
inline constexpr std::string_view kWorkingUnitField = "PANzoneMargeHaut";

// The unit the panel works in, followed command by command the way the plug-in sets it: from
// the front document's ruler unit when a plug-in tool gets selected (pixels as points, the
// units the panel has no code for as millimetres) and when that ruler unit changes (pixels
// as points, the units it has no code for change nothing), and from the unit named by a
// text typed into a length field that took it. Empty until one of these happened.
class WorkingUnit {
 public:
  void beforeCommand();
  // `delivered`: the command neither failed nor was refused.
  void afterCommand(const Command& command, const Arguments& arguments, bool delivered);
  const std::string& unit() const { return unit_; }

 private:
  Ref tool_;
  const Document* document_ = nullptr;
  int16_t rulerUnits_ = 0;
  std::string unit_;
};

// "tool "Outil Guides" | last click 120 300 alt | 14 guides | unit mm"; "no click yet",
// "no document", "no panel" (and "unit ?" before the panel has a working unit) where they
// apply.
std::string stateLine(Application& application, const WorkingUnit& working);

// The last click the loop delivered, "X Y" with " alt" and " shift" when held, after
// `prefix`; "no click yet" before any.
std::string clickText(const EventLoop& events, std::string_view prefix);

// The unit a field's text ends with ("12,5 mm" -> "mm"), or empty when it names none.
std::string unitOfFieldText(std::string_view text);

}  // namespace host

#endif
