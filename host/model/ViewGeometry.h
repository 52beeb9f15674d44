// A document view's window on the artwork: 1000 x 800 pixels around the view's centre at
// its zoom, view y growing downwards, and the conversions between view and artwork points.
#ifndef GUIDES_HOST_MODEL_VIEWGEOMETRY_H
#define GUIDES_HOST_MODEL_VIEWGEOMETRY_H

#include "AITypes.h"
#include "model/Document.h"

namespace host {

inline constexpr double kViewWidth = 1000;
inline constexpr double kViewHeight = 800;
// The zooms a view may have; the page is sent them with the view's size.
inline constexpr double kMinZoom = 1.0 / 64;
inline constexpr double kMaxZoom = 64;

// The artwork rectangle the view shows.
AIRealRect viewBounds(const View& view);
// Rounded to the nearest pixel; values beyond int32 are held at its limits.
AIPoint artworkToView(const View& view, AIRealPoint point);
AIRealPoint viewToArtwork(const View& view, AIPoint point);

// The view moved over the artwork by dx, dy points (y upwards), as a hand drag moves it: the
// centre goes the other way, and stays within reach of the artwork.
void panView(View& view, double dx, double dy);
// The document's first view centred on its artboards, zoomed to show them all with a margin.
void fitView(Document& document);

// The handle of a document's view number n, as the view suite hands it out.
AIDocumentViewHandle viewHandle(const Document& document, int32_t n);

}  // namespace host

#endif
