// What the host can see of a session at a glance, for the prompt: the selected tool, the
// last click delivered and the guides in the front document, followed by what the
// registered extension adds.
#ifndef GUIDES_HOST_SESSION_SESSIONSTATE_H
#define GUIDES_HOST_SESSION_SESSIONSTATE_H

#include <string>
#include <string_view>

namespace host {

class Application;
class EventLoop;
class StateLineParts;

// "tool "My Tool" | last click 120 300 alt | 14 guides", then the extension's parts;
// "no click yet" and "no document" where they apply.
std::string stateLine(Application& application, const StateLineParts* parts);

// The last click the loop delivered, "X Y" with " alt" and " shift" when held, after
// `prefix`; "no click yet" before any.
std::string clickText(const EventLoop& events, std::string_view prefix);

}  // namespace host

#endif
