/* Annotators: drawing hooks over the artwork, and the drawer they draw with. */
#ifndef GUIDES_SDK_AIANNOTATOR_H
#define GUIDES_SDK_AIANNOTATOR_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIAnnotatorSuite "AI Annotator Suite"
#define kAIAnnotatorSuiteVersion 1005
#define kAIAnnotatorDrawerSuite "AI Annotator Drawer Suite"
#define kAIAnnotatorDrawerSuiteVersion 1004

#define kCallerAIAnnotation "AI Annotation"
#define kSelectorAIDrawAnnotation "AI Draw"
#define kSelectorAIInvalAnnotation "AI Invalidate"

typedef struct AIAnnotatorMessage {
  SPMessageData d;
  AIAnnotatorHandle annotator;
  AIDocumentViewHandle view;
  AIAnnotatorDrawer* drawer;
  const AIRect* invalidationRects;
  int32_t numInvalidationRects;
} AIAnnotatorMessage;

typedef struct AIAnnotatorSuite {
  AIErr (*AddAnnotator)(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator);
  AIErr (*SetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean active);
  AIErr (*GetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean* active);
  /* Asks for a redraw of the annotations over rect (view coordinates); a null view is every view. */
  AIErr (*InvalAnnotationRect)(AIDocumentViewHandle view, const AIRect* rect);
} AIAnnotatorSuite;

typedef struct AIAnnotatorDrawerSuite {
  AIErr (*SetColor)(AIAnnotatorDrawer* drawer, const AIRGBColor* color);
  AIErr (*SetLineWidth)(AIAnnotatorDrawer* drawer, AIReal width);
  AIErr (*SetLineDashed)(AIAnnotatorDrawer* drawer, AIBoolean dashed);
  AIErr (*SetFontPreset)(AIAnnotatorDrawer* drawer, int32_t preset);
  /* Draws UTF-8 text with its baseline starting at a view point. */
  AIErr (*DrawTextAligned)(AIAnnotatorDrawer* drawer, const char* text, const AIPoint* at);
  AIErr (*DrawLine)(AIAnnotatorDrawer* drawer, const AIPoint* start, const AIPoint* end);
} AIAnnotatorDrawerSuite;

AI_END_C

#endif
