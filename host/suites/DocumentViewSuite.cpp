// Views of the document in front. Every view is a window of a fixed size in pixels
// showing the artwork around its centre at its zoom; view y grows downwards.
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

constexpr double kViewWidth = 1200;
constexpr double kViewHeight = 800;
constexpr double kMinZoom = 1.0 / 64;
constexpr double kMaxZoom = 64;

// The view a handle names (null: the current view, the first one) in the front document.
AIErr viewOf(AIDocumentViewHandle handle, View** view) {
  Document* document = model().front();
  if (!document) return kNoDocumentErr;
  const Ref ref = fromHandle(handle);
  if (ref.isNull()) {
    *view = &document->views.front();
    return kNoErr;
  }
  if (ref.generation != document->id || ref.slot >= document->views.size()) return kStaleHandleErr;
  *view = &document->views[ref.slot];
  return kNoErr;
}

AIRealRect boundsOf(const View& view) {
  const double halfWidth = kViewWidth / 2 / view.zoom;
  const double halfHeight = kViewHeight / 2 / view.zoom;
  return AIRealRect{static_cast<AIReal>(view.centre.h - halfWidth),
                    static_cast<AIReal>(view.centre.v + halfHeight),
                    static_cast<AIReal>(view.centre.h + halfWidth),
                    static_cast<AIReal>(view.centre.v - halfHeight)};
}

int32_t toPixel(double value) {
  constexpr double lowest = std::numeric_limits<int32_t>::min();
  constexpr double highest = std::numeric_limits<int32_t>::max();
  if (!std::isfinite(value)) return 0;
  return static_cast<int32_t>(std::lround(std::clamp(value, lowest, highest)));
}

AIErr CountDocumentViews(int32_t* count) {
  if (!count) return kBadParameterErr;
  const Document* document = model().front();
  if (!document) return kNoDocumentErr;
  *count = static_cast<int32_t>(document->views.size());
  return kNoErr;
}

AIErr GetNthDocumentView(int32_t n, AIDocumentViewHandle* view) {
  if (!view) return kBadParameterErr;
  const Document* document = model().front();
  if (!document) return kNoDocumentErr;
  if (n < 0 || n >= static_cast<int32_t>(document->views.size())) return kBadParameterErr;
  *view = toHandle<AIDocumentViewHandle>(Ref{static_cast<uint32_t>(n), document->id});
  return kNoErr;
}

AIErr GetDocumentViewZoom(AIDocumentViewHandle handle, AIReal* zoom) {
  if (!zoom) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  *zoom = static_cast<AIReal>(view->zoom);
  return kNoErr;
}

AIErr SetDocumentViewZoom(AIDocumentViewHandle handle, AIReal zoom) {
  if (!std::isfinite(zoom) || zoom < kMinZoom || zoom > kMaxZoom) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  view->zoom = zoom;
  return kNoErr;
}

AIErr GetDocumentViewBounds(AIDocumentViewHandle handle, AIRealRect* bounds) {
  if (!bounds) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  *bounds = boundsOf(*view);
  return kNoErr;
}

AIErr ArtworkPointToViewPoint(AIDocumentViewHandle handle, const AIRealPoint* artworkPoint,
                              AIPoint* viewPoint) {
  if (!artworkPoint || !viewPoint) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  const AIRealRect bounds = boundsOf(*view);
  viewPoint->h = toPixel((artworkPoint->h - bounds.left) * view->zoom);
  viewPoint->v = toPixel((bounds.top - artworkPoint->v) * view->zoom);
  return kNoErr;
}

AIErr ViewPointToArtworkPoint(AIDocumentViewHandle handle, const AIPoint* viewPoint,
                              AIRealPoint* artworkPoint) {
  if (!artworkPoint || !viewPoint) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  const AIRealRect bounds = boundsOf(*view);
  artworkPoint->h = static_cast<AIReal>(bounds.left + viewPoint->h / view->zoom);
  artworkPoint->v = static_cast<AIReal>(bounds.top - viewPoint->v / view->zoom);
  return kNoErr;
}

}  // namespace

extern const AIDocumentViewSuite documentViewSuite = {
    CountDocumentViews,    GetNthDocumentView,      GetDocumentViewZoom,     SetDocumentViewZoom,
    GetDocumentViewBounds, ArtworkPointToViewPoint, ViewPointToArtworkPoint,
};

}  // namespace host
