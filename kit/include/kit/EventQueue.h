// The platform event queue: synthetic key events posted through the CoreGraphics
// stand-ins wait here until the host's event loop drains them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace kit {

struct KeyEvent {
  std::uint16_t keyCode = 0;
  bool keyDown = false;
  std::uint32_t tap = 0;  // where it was posted (1: the session event tap)
  friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

class EventQueue {
 public:
  static EventQueue& shared();

  // The queue keeps at most `capacity` events; posting into a full queue drops the
  // oldest, so a runaway poster cannot exhaust memory.
  static constexpr std::size_t capacity = 4096;
  void post(const KeyEvent& event);
  // The oldest event, removed; nothing when the queue is empty.
  std::optional<KeyEvent> next();
  std::size_t size() const { return events_.size(); }
  bool empty() const { return events_.empty(); }
  void clear() { events_.clear(); }
  std::size_t droppedCount() const { return dropped_; }

 private:
  EventQueue() = default;
  std::deque<KeyEvent> events_;
  std::size_t dropped_ = 0;
};

}  // namespace kit
