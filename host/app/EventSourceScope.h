// Installs a source for the toolkit's modal runs while a script or the prompt runs, and
// puts the previous one back afterwards.
#ifndef GUIDES_HOST_APP_EVENTSOURCESCOPE_H
#define GUIDES_HOST_APP_EVENTSOURCESCOPE_H

#include "kit/Application.h"

namespace host {

class EventSourceScope {
 public:
  explicit EventSourceScope(kit::EventSource* source) : previous_(kit::Application::shared().eventSource()) {
    kit::Application::shared().setEventSource(source);
  }
  ~EventSourceScope() { kit::Application::shared().setEventSource(previous_); }
  EventSourceScope(const EventSourceScope&) = delete;
  EventSourceScope& operator=(const EventSourceScope&) = delete;

 private:
  kit::EventSource* previous_;
};

}  // namespace host

#endif
