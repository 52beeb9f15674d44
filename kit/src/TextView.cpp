#include "kit/TextView.h"

#include <algorithm>

namespace kit {

TextView::TextView(const Rect& frame) : View("TextView", frame) {}
TextView::~TextView() = default;

Range TextView::clamp(Range range) const {
  std::size_t location = std::min(range.location, text_.size());
  std::size_t length = std::min(range.length, text_.size() - location);
  return Range{location, length};
}

void TextView::setString(std::string text) {
  text_ = std::move(text);
  selection_ = Range{text_.size(), 0};
}

void TextView::setSelectedRange(Range range) { selection_ = clamp(range); }

void TextView::scrollRangeToVisible(Range range) {
  scrolled_ = clamp(range);
  ++scrollCount_;
}

bool TextView::acceptsFirstResponder() const { return editable_; }

}  // namespace kit
