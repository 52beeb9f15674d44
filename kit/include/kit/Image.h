// An RGBA pixel buffer, one pixel per point. Pixel (0, 0) is the bottom-left corner.
#pragma once

#include <cstdint>
#include <vector>

#include "kit/Geometry.h"
#include "kit/GraphicsContext.h"

namespace kit {

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

class Image {
 public:
  // Sides are rounded to whole pixels; a negative, non-finite or huge side is refused
  // (the image is then empty, or capped at maxSide).
  static constexpr int maxSide = 8192;
  explicit Image(Size size);
  Image(const Image& other);
  Image& operator=(const Image& other);
  ~Image();

  Size size() const { return {double(width_), double(height_)}; }
  int pixelsWide() const { return width_; }
  int pixelsHigh() const { return height_; }

  // Outside the image: a transparent pixel.
  Pixel pixelAt(int x, int y) const;
  void setPixel(int x, int y, Pixel p);
  // Paints the pixels whose centres lie inside the rectangle (clipped to the image).
  void fillRect(const Rect& rect, Color color, CompositingOperation op);

  // While focused, rectFill and friends draw into this image.
  void lockFocus();
  void unlockFocus();
  bool hasFocus() const { return focusDepth_ > 0; }

 private:
  int width_ = 0;
  int height_ = 0;
  int focusDepth_ = 0;
  std::vector<Pixel> pixels_;  // row 0 is the bottom row
};

}  // namespace kit
