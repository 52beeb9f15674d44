#include "model/Overlay.h"

#include <utility>

namespace host {

bool AnnotationFrame::invalidate(const AIRect& rect) {
  if (pending_.size() >= kMaxInvalidations) return false;
  pending_.push_back(rect);
  return true;
}

void AnnotationFrame::begin() {
  next_.clear();
  drawing_ = true;
}

Ref AnnotationFrame::newDrawer() {
  if (!drawing_) return Ref{};
  const Ref made = drawers_.insert(AnnotationDrawer{});
  if (!made.isNull()) liveDrawers_.push_back(made);
  return made;
}

bool AnnotationFrame::draw(OverlayItem item) {
  if (!drawing_ || next_.size() >= kMaxItems) return false;
  next_.push_back(std::move(item));
  return true;
}

// Drawers handed out for this frame go stale with it, so one kept by a plug-in is refused.
void AnnotationFrame::end() {
  for (Ref drawer : liveDrawers_) drawers_.erase(drawer);
  liveDrawers_.clear();
  overlay_.swap(next_);
  next_.clear();
  overlayInvalidations_.swap(pending_);
  pending_.clear();
  drawing_ = false;
}

}  // namespace host
