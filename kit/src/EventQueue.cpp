#include "kit/EventQueue.h"

namespace kit {

EventQueue& EventQueue::shared() {
  static EventQueue queue;
  return queue;
}

void EventQueue::post(const KeyEvent& event) {
  if (events_.size() >= capacity) {
    events_.pop_front();
    ++dropped_;
  }
  events_.push_back(event);
}

std::optional<KeyEvent> EventQueue::next() {
  if (events_.empty()) return std::nullopt;
  KeyEvent event = events_.front();
  events_.pop_front();
  return event;
}

}  // namespace kit
