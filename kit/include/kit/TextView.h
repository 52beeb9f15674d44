// A multi-line text: the help pages, and the editor a window lends to the field being
// edited.
#pragma once

#include <string>

#include "kit/Control.h"

namespace kit {

class TextView : public View {
 public:
  explicit TextView(const Rect& frame = {});
  ~TextView() override;

  const std::string& string() const { return text_; }
  void setString(std::string text);
  TextAlignment alignment() const { return alignment_; }
  void setAlignment(TextAlignment alignment) { alignment_ = alignment; }
  bool isEditable() const { return editable_; }
  void setEditable(bool editable) { editable_ = editable; }

  // Clamped to the text.
  Range selectedRange() const { return selection_; }
  void setSelectedRange(Range range);

  // Scrolls so that the range shows; the last range asked for is recorded (clamped).
  void scrollRangeToVisible(Range range);
  Range lastScrolledRange() const { return scrolled_; }
  int scrollCount() const { return scrollCount_; }

  bool acceptsFirstResponder() const override;

 private:
  Range clamp(Range range) const;

  std::string text_;
  TextAlignment alignment_ = TextAlignment::Natural;
  bool editable_ = true;
  Range selection_;
  Range scrolled_;
  int scrollCount_ = 0;
};

}  // namespace kit
