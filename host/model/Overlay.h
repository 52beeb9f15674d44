// What annotators draw over the document. After every event the host draws a new frame:
// each active annotator draws through a drawer, and what was drawn becomes the overlay
// shown until the next frame. Rectangles invalidated in between are handed to the frame.
#ifndef GUIDES_HOST_MODEL_OVERLAY_H
#define GUIDES_HOST_MODEL_OVERLAY_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AITypes.h"
#include "model/SlotTable.h"

namespace host {

struct OverlayItem {
  enum class Kind { Text, Line };
  Kind kind = Kind::Text;
  std::string text;  // for a text
  AIPoint start{0, 0};  // a text's baseline start, a line's first end (view coordinates)
  AIPoint end{0, 0};
  AIRGBColor color{0, 0, 0};
  AIReal lineWidth = 1;
  bool dashed = false;
  int32_t font = 0;
};

// The pen of one draw: what the next items are drawn with.
struct AnnotationDrawer {
  AIRGBColor color{0, 0, 0};
  AIReal lineWidth = 1;
  bool dashed = false;
  int32_t font = 0;
};

class AnnotationFrame {
 public:
  // A frame keeps this many items and invalidated rectangles; a runaway annotator is cut
  // off there rather than filling memory.
  static constexpr size_t kMaxItems = 10000;
  static constexpr size_t kMaxInvalidations = 64;

  // Asks for the annotations over rect to be drawn again; false when the frame holds as
  // many as it keeps (the area is then redrawn all the same).
  bool invalidate(const AIRect& rect);

  // A frame is drawn between begin and end; drawers are live only in between.
  void begin();
  Ref newDrawer();
  AnnotationDrawer* drawer(Ref ref) { return drawing_ ? drawers_.find(ref) : nullptr; }
  // False when the frame is full.
  bool draw(OverlayItem item);
  void end();

  bool isDrawing() const { return drawing_; }
  const std::vector<OverlayItem>& overlay() const { return overlay_; }
  // The rectangles invalidated before the overlay was drawn, and those waiting for the
  // next frame.
  const std::vector<AIRect>& overlayInvalidations() const { return overlayInvalidations_; }
  const std::vector<AIRect>& pendingInvalidations() const { return pending_; }

 private:
  bool drawing_ = false;
  SlotTable<AnnotationDrawer> drawers_;
  std::vector<Ref> liveDrawers_;
  std::vector<OverlayItem> next_;
  std::vector<OverlayItem> overlay_;
  std::vector<AIRect> pending_;
  std::vector<AIRect> overlayInvalidations_;
};

}  // namespace host

#endif
