// A document view's window on the artwork: 1000 x 800 pixels around the view's centre at
// its zoom, view y growing downwards, and the conversions between view and artwork points.
#ifndef GUIDES_HOST_MODEL_VIEWGEOMETRY_H
#define GUIDES_HOST_MODEL_VIEWGEOMETRY_H

#include "AITypes.h"
#include "model/Document.h"

namespace host {

inline constexpr double kViewWidth = 1000;
inline constexpr double kViewHeight = 800;

// The artwork rectangle the view shows.
AIRealRect viewBounds(const View& view);
// Rounded to the nearest pixel; values beyond int32 are held at its limits.
AIPoint artworkToView(const View& view, AIRealPoint point);
AIRealPoint viewToArtwork(const View& view, AIPoint point);

// The handle of a document's view number n, as the view suite hands it out.
AIDocumentViewHandle viewHandle(const Document& document, int32_t n);

}  // namespace host

#endif
