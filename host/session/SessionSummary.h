// A one-line account of where a session stands, for sessions that tell a story (the demo,
// the examples): the last click, what the registered extension tells of the document and
// the panels, the hint, and the alerts and sounds since the previous account.
#ifndef GUIDES_HOST_SESSION_SESSIONSUMMARY_H
#define GUIDES_HOST_SESSION_SESSIONSUMMARY_H

#include <cstddef>
#include <string>

namespace host {

class EventLoop;

// How far the alerts and the sounds have been told already. A log that got shorter (a
// fresh run in the same process) is told again from its start.
struct SummaryMarks {
  size_t alerts = 0;
  size_t sounds = 0;
};

// "click 300 400 | <the extension's parts> | alerts none | sounds Beep.aiff"; the marks move
// to the ends of the logs.
//   - "no click yet" before the first click; " alt", " shift" after a click's point;
//   - "hint TEXT" for each text of the overlay of the last frame, left out when none;
//   - alerts in quotes, sounds by file name, "none" when nothing came since last time.
std::string summaryLine(const EventLoop& events, SummaryMarks& marks);

}  // namespace host

#endif
