// Events as views receive them, the modifier-flag bits, and the answer a user-level
// entry point gives when the toolkit refuses an event.
#pragma once

#include <cstdint>

#include "kit/Geometry.h"

namespace kit {

class TrackingArea;

using ModifierFlags = std::uint64_t;
inline constexpr ModifierFlags EventModifierFlagShift = 1ull << 17;
inline constexpr ModifierFlags EventModifierFlagControl = 1ull << 18;
inline constexpr ModifierFlags EventModifierFlagOption = 1ull << 19;
inline constexpr ModifierFlags EventModifierFlagCommand = 1ull << 20;

enum class EventType { None, LeftMouseDown, MouseEntered, MouseExited, KeyDown };

struct Event {
  EventType type = EventType::None;
  ModifierFlags modifierFlags = 0;
  Point locationInWindow;
  TrackingArea* trackingArea = nullptr;  // for entered/exited events
};

// What happened to an event offered through a user-level entry point.
enum class Delivery {
  Delivered,
  RefusedHidden,         // the view or one of its superviews is hidden
  RefusedDisabled,       // the control is disabled
  RefusedOutsideModal,   // a modal run is on and the view is not in its window
  RefusedNotEditable,    // typing into a field that is not editable
  RefusedNoSuchItem,     // the item index is out of range or names a separator
  RefusedNoTrackingArea  // entered/exited on a view that tracks no such events
};

// A short English description for logs ("refused: control is disabled").
const char* describe(Delivery delivery);

}  // namespace kit
