// A region of a view that asks for mouse entered/exited (and moved) events.
#pragma once

#include <cstdint>

#include "kit/Geometry.h"

namespace kit {

class View;

using TrackingAreaOptions = std::uint32_t;
inline constexpr TrackingAreaOptions TrackingMouseEnteredAndExited = 0x01;
inline constexpr TrackingAreaOptions TrackingMouseMoved = 0x02;
inline constexpr TrackingAreaOptions TrackingCursorUpdate = 0x04;
inline constexpr TrackingAreaOptions TrackingActiveWhenFirstResponder = 0x10;
inline constexpr TrackingAreaOptions TrackingActiveInKeyWindow = 0x20;
inline constexpr TrackingAreaOptions TrackingActiveInActiveApp = 0x40;
inline constexpr TrackingAreaOptions TrackingActiveAlways = 0x80;

class TrackingArea {
 public:
  // The owner receives the entered/exited events; it must outlive the area (it is
  // normally the view the area is added to, which owns the area).
  TrackingArea(const Rect& rect, TrackingAreaOptions options, View* owner, void* userInfo = nullptr)
      : rect_(rect), options_(options), owner_(owner), userInfo_(userInfo) {}

  Rect rect() const { return rect_; }
  TrackingAreaOptions options() const { return options_; }
  View* owner() const { return owner_; }
  void* userInfo() const { return userInfo_; }

 private:
  Rect rect_;
  TrackingAreaOptions options_;
  View* owner_;
  void* userInfo_;
};

}  // namespace kit
