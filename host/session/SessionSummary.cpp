#include "session/SessionSummary.h"

#include <filesystem>
#include <vector>

#include "app/EventLoop.h"
#include "kit/Sound.h"
#include "model/Model.h"
#include "model/Shell.h"
#include "session/Quoting.h"
#include "session/SessionExtension.h"
#include "session/SessionState.h"

namespace host {

namespace {

std::string hintPart() {
  std::string text;
  for (const OverlayItem& item : shell().ui.annotations.overlay())
    if (item.kind == OverlayItem::Kind::Text) text += " | hint " + jsonQuoted(item.text);
  return text;
}

// The entries of a log after the mark, each written by `show`, then the mark at its end.
template <class Show>
std::string sinceMark(const std::vector<std::string>& log, size_t& mark, Show show) {
  if (mark > log.size()) mark = 0;
  std::string text;
  for (size_t i = mark; i < log.size(); ++i) text += (text.empty() ? "" : ", ") + show(log[i]);
  mark = log.size();
  return text.empty() ? "none" : text;
}

}  // namespace

std::string summaryLine(const EventLoop& events, SummaryMarks& marks) {
  const std::string alerts =
      sinceMark(model().alerts(), marks.alerts, [](const std::string& a) { return jsonQuoted(a); });
  const std::string sounds = sinceMark(kit::Sound::playLog(), marks.sounds, [](const std::string& path) {
    return std::filesystem::path(path).filename().string();
  });
  return clickText(events, "click ") + sessionExtension().summaryParts() + hintPart() + " | alerts " + alerts +
         " | sounds " + sounds;
}

}  // namespace host
