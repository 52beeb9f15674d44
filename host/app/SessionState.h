// What the host can see of a session at a glance, for the prompt: the selected tool, the
// last click delivered, the guides in the front document and the unit the panel works in.
#ifndef GUIDES_HOST_APP_SESSIONSTATE_H
#define GUIDES_HOST_APP_SESSIONSTATE_H

#include <string>
#include <string_view>

namespace host {

class Application;
class EventLoop;

// The panel field whose text names the unit the panel works in.
inline constexpr std::string_view kWorkingUnitField = "PANzoneMargeHaut";

// "tool "Outil Guides" | last click 120 300 alt | 14 guides | unit mm"; "no click yet",
// "no document", "no panel" (and "unit ?" for a field naming no unit) where they apply.
std::string stateLine(Application& application);

// The last click the loop delivered, "X Y" with " alt" and " shift" when held, after
// `prefix`; "no click yet" before any.
std::string clickText(const EventLoop& events, std::string_view prefix);

// The unit a field's text ends with ("12,5 mm" -> "mm"), or empty when it names none.
std::string unitOfFieldText(std::string_view text);

}  // namespace host

#endif
