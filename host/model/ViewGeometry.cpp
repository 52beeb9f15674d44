#include "model/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace host {

namespace {

int32_t toPixel(double value) {
  constexpr double lowest = std::numeric_limits<int32_t>::min();
  constexpr double highest = std::numeric_limits<int32_t>::max();
  if (!std::isfinite(value)) return 0;
  return static_cast<int32_t>(std::lround(std::clamp(value, lowest, highest)));
}

}  // namespace

void panView(View& view, double dx, double dy) {
  constexpr double kFar = 1e7;
  view.centre = AIRealPoint{static_cast<AIReal>(std::clamp(view.centre.h - dx, -kFar, kFar)),
                            static_cast<AIReal>(std::clamp(view.centre.v - dy, -kFar, kFar))};
}

void fitView(Document& document) {
  if (document.artboards.empty()) return;
  AIRealRect all = document.artboards.front().rect;
  for (const Artboard& artboard : document.artboards) {
    all.left = std::min(all.left, artboard.rect.left);
    all.right = std::max(all.right, artboard.rect.right);
    all.top = std::max(all.top, artboard.rect.top);
    all.bottom = std::min(all.bottom, artboard.rect.bottom);
  }
  constexpr double kRoom = 0.9;  // a margin of canvas around the artboards
  const double width = double{all.right} - all.left, height = double{all.top} - all.bottom;
  View& view = document.views.front();
  view.zoom = std::clamp(kRoom * std::min(kViewWidth / width, kViewHeight / height), kMinZoom, kMaxZoom);
  view.centre = AIRealPoint{static_cast<AIReal>((double{all.left} + all.right) / 2),
                            static_cast<AIReal>((double{all.top} + all.bottom) / 2)};
}

AIRealRect viewBounds(const View& view) {
  const double halfWidth = kViewWidth / 2 / view.zoom;
  const double halfHeight = kViewHeight / 2 / view.zoom;
  return AIRealRect{static_cast<AIReal>(view.centre.h - halfWidth),
                    static_cast<AIReal>(view.centre.v + halfHeight),
                    static_cast<AIReal>(view.centre.h + halfWidth),
                    static_cast<AIReal>(view.centre.v - halfHeight)};
}

AIPoint artworkToView(const View& view, AIRealPoint point) {
  const AIRealRect bounds = viewBounds(view);
  return AIPoint{toPixel((double{point.h} - bounds.left) * view.zoom),
                 toPixel((double{bounds.top} - point.v) * view.zoom)};
}

AIRealPoint viewToArtwork(const View& view, AIPoint point) {
  const AIRealRect bounds = viewBounds(view);
  return AIRealPoint{static_cast<AIReal>(bounds.left + point.h / view.zoom),
                     static_cast<AIReal>(bounds.top - point.v / view.zoom)};
}

AIDocumentViewHandle viewHandle(const Document& document, int32_t n) {
  return toHandle<AIDocumentViewHandle>(Ref{static_cast<uint32_t>(n), document.id});
}

}  // namespace host
