// The application: its current event, the windows, activation, and modal runs over an
// event source that the host installs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "kit/Event.h"

namespace kit {

class View;
class Window;

enum class ModalResponse : long { Stop = -1000, Abort = -1001, Continue = -1002 };

// Where a modal run takes its events from. The host's event loop implements it.
class EventSource {
 public:
  virtual ~EventSource();
  // Runs the next event; false when there is none left (the source is dry).
  virtual bool runNextEvent() = 0;
};

class Application {
 public:
  static Application& shared();

  // --- current event ---
  const Event& currentEvent() const { return currentEvent_; }
  void setCurrentEvent(const Event& event) { currentEvent_ = event; }
  // The host sets the modifiers of the event it is about to deliver.
  void setCurrentModifierFlags(ModifierFlags flags) { currentEvent_.modifierFlags = flags; }
  ModifierFlags currentModifierFlags() const { return currentEvent_.modifierFlags; }

  // --- modal runs ---
  // The source is not owned; it must stay alive while it is installed.
  void setEventSource(EventSource* source) { source_ = source; }
  EventSource* eventSource() const { return source_; }
  // Shows the window and runs events from the source until stopModal (Stop), abortModal
  // or a dry or missing source (Abort). Runs nest, at most maxModalDepth deep; a deeper
  // run, or one for a window already running, answers Abort at once.
  static constexpr std::size_t maxModalDepth = 16;
  ModalResponse runModalForWindow(Window& window);
  // End the innermost run; without a run they do nothing.
  void stopModal();
  void abortModal();
  // The window of the innermost run, or nullptr.
  Window* modalWindow() const;
  std::size_t modalDepth() const { return sessions_.size(); }
  // While a modal run lasts only its window takes user events.
  bool windowTakesEvents(const Window* window) const;

  // --- appearance ---
  // The interface's appearance, which the host switches with its theme: the default colours
  // of the controls follow it (Color::controlTextColor).
  bool isDarkAppearance() const { return darkAppearance_; }
  void setDarkAppearance(bool dark) { darkAppearance_ = dark; }

  // --- windows and activation ---
  const std::vector<Window*>& windows() const { return windows_; }
  Window* keyWindow() const { return keyWindow_; }
  // Searches the content views of every window.
  View* viewWithIdentifier(const std::string& id) const;
  Window* windowWithIdentifier(const std::string& id) const;
  // Brings the application to the front: recorded and counted.
  void activateIgnoringOtherApps(bool flag);
  int activationCount() const { return activationCount_; }

  // Bookkeeping called by Window.
  void registerWindow(Window* window);
  void unregisterWindow(Window* window);
  void setKeyWindow(Window* window) { keyWindow_ = window; }

 private:
  Application() = default;
  struct Session {
    Window* window;
    bool ended;
    ModalResponse response;
  };
  void endInnermost(ModalResponse response);

  Event currentEvent_;
  EventSource* source_ = nullptr;
  std::vector<Session> sessions_;
  std::vector<Window*> windows_;
  Window* keyWindow_ = nullptr;
  int activationCount_ = 0;
  bool darkAppearance_ = false;
};

}  // namespace kit
