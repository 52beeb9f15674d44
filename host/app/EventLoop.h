// The host's event loop: mouse and key events over the document reach the selected plug-in
// tool as tool messages; after every event the host tells the tools whose selection
// changed, serves the keys posted through the toolkit's synthetic-event call (each one a
// cursor-tracking message to the selected plug-in tool at the last cursor position), and
// redraws: every active annotator draws the overlay of the new frame.
#ifndef GUIDES_HOST_APP_EVENTLOOP_H
#define GUIDES_HOST_APP_EVENTLOOP_H

#include <cstdint>
#include <optional>
#include <string_view>

#include "AITypes.h"
#include "app/PluginHost.h"
#include "model/Ref.h"

namespace host {

class Application;

// A click the host delivered over the document: where, and with which modifier bits.
struct Click {
  AIRealPoint at{0, 0};
  uint16_t modifiers = 0;
};

class EventLoop {
 public:
  explicit EventLoop(Application& application) : application_(application) {}

  // Mouse events at artwork points of the front document's first view; modifiers are the
  // host's event modifier bits (aiEventModifiers_optionKey, ...). Each needs a document.
  void mouseMoved(AIRealPoint at, uint16_t modifiers);
  void mouseClicked(AIRealPoint at, uint16_t modifiers);
  void mouseDragged(AIRealPoint from, AIRealPoint to, uint16_t modifiers);
  // Return pressed over the document: the selected plug-in tool edits its options.
  void returnPressed();
  // The last click (or drag's press) delivered, whatever tool took it.
  const std::optional<Click>& lastClick() const { return lastClick_; }

  // Sends a message to the plug-in that owns `owner` (a plug-in reference), then serves
  // what it left waiting. An owner that is not a running plug-in gets nothing (false).
  template <class Message>
  bool send(Ref owner, const char* caller, const char* selector, Message& message,
            std::string_view notifierType = {});

  // After every event: what waits is served, then the overlay is redrawn. While a dialog
  // runs modally nothing reaches the tools and the overlay stays; it is all served when
  // the run ends.
  void settle();
  // Tool changes told and posted keys served, oldest first.
  void serveWaiting();
  void redraw();

 private:
  PluginHost* runningPlugin(Ref owner) const;
  // A tool message to a plug-in tool; nothing for the host's own tools.
  void sendToTool(Ref tool, const char* selector, AIRealPoint cursor, int32_t what,
                  uint16_t modifiers);
  void sendToSelectedTool(const char* selector, AIRealPoint cursor, int32_t what,
                          uint16_t modifiers);
  void trackCursorForPostedKey();

  Application& application_;
  bool serving_ = false;
  int32_t clock_ = 0;  // the tool events' time, counting up from 1
  std::optional<Click> lastClick_;
};

template <class Message>
bool EventLoop::send(Ref owner, const char* caller, const char* selector, Message& message,
                     std::string_view notifierType) {
  PluginHost* plugin = runningPlugin(owner);
  if (!plugin) return false;
  plugin->send(caller, selector, message, notifierType);
  serveWaiting();
  return true;
}

}  // namespace host

#endif
