#include "kit/Application.h"

#include <algorithm>

#include "kit/View.h"
#include "kit/Window.h"

namespace kit {

EventSource::~EventSource() = default;

Application& Application::shared() {
  static Application app;
  return app;
}

ModalResponse Application::runModalForWindow(Window& window) {
  bool alreadyRunning = std::any_of(sessions_.begin(), sessions_.end(),
                                    [&](const Session& s) { return s.window == &window; });
  if (alreadyRunning || sessions_.size() >= maxModalDepth) return ModalResponse::Abort;
  sessions_.push_back(Session{&window, false, ModalResponse::Continue});
  const std::size_t mine = sessions_.size() - 1;
  window.makeKeyAndOrderFront();
  // Nested runs push and pop above ours, so our index stays valid.
  while (!sessions_[mine].ended) {
    if (!source_ || !source_->runNextEvent()) {
      if (!sessions_[mine].ended) sessions_[mine] = Session{sessions_[mine].window, true, ModalResponse::Abort};
      break;
    }
  }
  ModalResponse response = sessions_[mine].response;
  sessions_.resize(mine);
  return response;
}

void Application::endInnermost(ModalResponse response) {
  if (sessions_.empty() || sessions_.back().ended) return;
  sessions_.back().ended = true;
  sessions_.back().response = response;
}

void Application::stopModal() { endInnermost(ModalResponse::Stop); }
void Application::abortModal() { endInnermost(ModalResponse::Abort); }

Window* Application::modalWindow() const { return sessions_.empty() ? nullptr : sessions_.back().window; }

bool Application::windowTakesEvents(const Window* window) const {
  return sessions_.empty() || (window && window == sessions_.back().window);
}

View* Application::viewWithIdentifier(const std::string& id) const {
  for (Window* w : windows_)
    if (View* v = w->contentView() ? w->contentView()->viewWithIdentifier(id) : nullptr) return v;
  return nullptr;
}

Window* Application::windowWithIdentifier(const std::string& id) const {
  for (Window* w : windows_)
    if (w->identifier() == id) return w;
  return nullptr;
}

void Application::activateIgnoringOtherApps(bool) { ++activationCount_; }

void Application::registerWindow(Window* window) { windows_.push_back(window); }

void Application::unregisterWindow(Window* window) {
  std::erase(windows_, window);
  if (keyWindow_ == window) keyWindow_ = nullptr;
  // A window that goes away during its own modal run ends that run.
  for (auto& s : sessions_) {
    if (s.window != window) continue;
    s.window = nullptr;
    if (!s.ended) {
      s.ended = true;
      s.response = ModalResponse::Abort;
    }
  }
}

}  // namespace kit
