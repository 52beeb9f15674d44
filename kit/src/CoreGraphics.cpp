#include "kit/CoreGraphics.h"

#include <memory>
#include <unordered_map>

#include "kit/EventQueue.h"

struct KitCGEvent {
  kit::KeyEvent key;
};

namespace {

// The live events, so that a stray or double release is recognised and ignored.
std::unordered_map<const void*, std::unique_ptr<KitCGEvent>>& liveEvents() {
  static std::unordered_map<const void*, std::unique_ptr<KitCGEvent>> events;
  return events;
}

}  // namespace

extern "C" {

CGEventRef CGEventCreateKeyboardEvent(CGEventSourceRef, CGKeyCode virtualKey, bool keyDown) {
  auto event = std::make_unique<KitCGEvent>();
  event->key.keyCode = virtualKey;
  event->key.keyDown = keyDown;
  CGEventRef ref = event.get();
  liveEvents().emplace(ref, std::move(event));
  return ref;
}

void CGEventPost(CGEventTapLocation tap, CGEventRef event) {
  auto it = liveEvents().find(event);
  if (it == liveEvents().end()) return;
  kit::KeyEvent key = it->second->key;
  key.tap = tap;
  kit::EventQueue::shared().post(key);
}

void CFRelease(CFTypeRef object) { liveEvents().erase(object); }
}
