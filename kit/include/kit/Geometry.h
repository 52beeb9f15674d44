// Points, sizes, rectangles and text ranges of the toolkit. Coordinates are in points,
// origin at the bottom-left corner, y growing upwards.
#pragma once

#include <cstddef>

namespace kit {

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  double width = 0;
  double height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  Point origin;
  Size size;
  double minX() const { return origin.x; }
  double minY() const { return origin.y; }
  double maxX() const { return origin.x + size.width; }
  double maxY() const { return origin.y + size.height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect makeRect(double x, double y, double width, double height) {
  return Rect{{x, y}, {width, height}};
}

// A run of characters in a text: [location, location + length).
struct Range {
  std::size_t location = 0;
  std::size_t length = 0;
  friend bool operator==(const Range&, const Range&) = default;
};

}  // namespace kit
