// Views of the document in front. Every view is a window of kViewWidth x kViewHeight pixels
// showing the artwork around its centre at its zoom; view y grows downwards. Zooms run from
// kMinZoom to kMaxZoom (ViewGeometry.h): anything else (zero, negative, not finite, or so far
// out that the bounds overflow) is refused.
#include <cmath>

#include "model/Shell.h"
#include "model/ViewGeometry.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

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
  *view = viewHandle(*document, n);
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
  *bounds = viewBounds(*view);
  return kNoErr;
}

AIErr ArtworkPointToViewPoint(AIDocumentViewHandle handle, const AIRealPoint* artworkPoint,
                              AIPoint* viewPoint) {
  if (!artworkPoint || !viewPoint) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  *viewPoint = artworkToView(*view, *artworkPoint);
  return kNoErr;
}

AIErr ViewPointToArtworkPoint(AIDocumentViewHandle handle, const AIPoint* viewPoint,
                              AIRealPoint* artworkPoint) {
  if (!artworkPoint || !viewPoint) return kBadParameterErr;
  View* view = nullptr;
  if (const AIErr error = viewOf(handle, &view)) return error;
  *artworkPoint = viewToArtwork(*view, *viewPoint);
  return kNoErr;
}

}  // namespace

extern const AIDocumentViewSuite documentViewSuite = {
    CountDocumentViews,    GetNthDocumentView,      GetDocumentViewZoom,     SetDocumentViewZoom,
    GetDocumentViewBounds, ArtworkPointToViewPoint, ViewPointToArtworkPoint,
};

}  // namespace host
