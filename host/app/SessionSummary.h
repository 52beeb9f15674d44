// A one-line account of where a session stands, for sessions that tell a story (the demo,
// the examples): the last click, the guides of each "Repères" group, the set and unit of
// the panel, the hint, and the alerts and sounds since the previous account.
#ifndef GUIDES_HOST_APP_SESSIONSUMMARY_H
#define GUIDES_HOST_APP_SESSIONSUMMARY_H

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

// "click 300 400 | guides 8: Repères 8 | set "Set par défaut" | unit mm | alerts none |
// sounds Pop.aiff"; the marks move to the ends of the logs.
//   - "no click yet" before the first click; " alt", " shift" after a click's point;
//   - "guides N" counts every guide of the front document, then each "Repères" group's
//     guides in document order ("guides 24: Repères 8, Repères 16"), an emptied one as 0;
//     "no document" when none is open;
//   - "set TITLE | unit UNIT", the item chosen in the panel's popup of sets and the unit
//     its top margin is shown in ("?" for none), left out with no panel;
//   - "hint TEXT" for each text of the overlay of the last frame, left out when none;
//   - alerts in quotes, sounds by file name, "none" when nothing came since last time.
std::string summaryLine(const EventLoop& events, SummaryMarks& marks);

}  // namespace host

#endif
