// Mouse cursors: built-in ones and cursors made from an image and a hot spot.
#pragma once

#include <string>

#include "kit/Geometry.h"
#include "kit/Image.h"

namespace kit {

class Cursor {
 public:
  // The hot spot is in pixels from the image's top-left corner.
  Cursor(const Image& image, Point hotSpot);
  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

  static Cursor& arrowCursor();
  static Cursor& pointingHandCursor();
  // The cursor shown now; the arrow until another is set. A cursor that goes away while
  // current gives way to the arrow.
  static const Cursor* currentCursor();
  // How many times a cursor was set, to see a set that changed nothing.
  static int setCount();

  void set() const;

  const Image& image() const { return image_; }
  Point hotSpot() const { return hotSpot_; }
  // "arrow" and "pointingHand" for the built-in cursors, empty for made ones.
  const std::string& name() const { return name_; }

 private:
  Cursor(std::string name, Point hotSpot);
  Image image_;
  Point hotSpot_;
  std::string name_;
};

}  // namespace kit
