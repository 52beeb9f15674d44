/* Views of the document in front: zoom, bounds, coordinate conversions. */
#ifndef GUIDES_SDK_AIDOCUMENTVIEW_H
#define GUIDES_SDK_AIDOCUMENTVIEW_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 1011

/* A null view means the current view. */
typedef struct AIDocumentViewSuite {
  AIErr (*CountDocumentViews)(int32_t* count);
  AIErr (*GetNthDocumentView)(int32_t n, AIDocumentViewHandle* view);
  AIErr (*GetDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  AIErr (*SetDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
  /* The artwork rectangle the view shows. */
  AIErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
  AIErr (*ArtworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint, AIPoint* viewPoint);
  AIErr (*ViewPointToArtworkPoint)(AIDocumentViewHandle view, const AIPoint* viewPoint, AIRealPoint* artworkPoint);
} AIDocumentViewSuite;

AI_END_C

#endif
