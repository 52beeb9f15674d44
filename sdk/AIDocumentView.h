/* Views of the document in front: zoom, bounds, coordinate conversions. */
#ifndef GUIDES_SDK_AIDOCUMENTVIEW_H
#define GUIDES_SDK_AIDOCUMENTVIEW_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 1011

/* A null view means the current view. */
typedef struct AIDocumentViewSuite {
  /* With a document in front. */
  AIErr (*CountDocumentViews)(int32_t* count);
  /* With a document in front; *view is a host handle, stale once another document is in front. */
  AIErr (*GetNthDocumentView)(int32_t n, AIDocumentViewHandle* view);
  /* With a document in front. */
  AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  /* With a document in front; 1/64 to 64, anything else refused. */
  AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
  /* With a document in front; the artwork rectangle the view shows. */
  AIErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
  /* With a document in front; artwork points to view pixels. */
  AIErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint, AIPoint* viewPoint);
  /* With a document in front; view pixels to artwork points. */
  AIErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint, AIRealPoint* artworkPoint);
} AIDocumentViewSuite;

AI_END_C

#endif
