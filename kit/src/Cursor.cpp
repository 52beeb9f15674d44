#include "kit/Cursor.h"

namespace kit {

namespace {
const Cursor* current = nullptr;
int sets = 0;
}  // namespace

Cursor::Cursor(const Image& image, Point hotSpot) : image_(image), hotSpot_(hotSpot) {}

Cursor::Cursor(std::string name, Point hotSpot) : image_(Size{16, 16}), hotSpot_(hotSpot), name_(std::move(name)) {}

Cursor::~Cursor() {
  if (current == this) current = nullptr;
}

Cursor& Cursor::arrowCursor() {
  static Cursor arrow("arrow", Point{0, 0});
  return arrow;
}

Cursor& Cursor::pointingHandCursor() {
  static Cursor hand("pointingHand", Point{5, 0});
  return hand;
}

const Cursor* Cursor::currentCursor() { return current ? current : &arrowCursor(); }

int Cursor::setCount() { return sets; }

void Cursor::set() const {
  current = this;
  ++sets;
}

}  // namespace kit
