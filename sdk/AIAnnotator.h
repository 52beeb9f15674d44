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

/* The record and what it points to (drawer, invalidationRects) are valid during the message only. */
typedef struct AIAnnotatorMessage {
  SPMessageData d;
  AIAnnotatorHandle annotator;
  AIDocumentViewHandle view;
  AIAnnotatorDrawer* drawer;
  const AIRect* invalidationRects;
  int32_t numInvalidationRects;
} AIAnnotatorMessage;

typedef struct AIAnnotatorSuite {
  /* Usually at Startup; the name is copied; *annotator is a host handle until the plug-in is unloaded. */
  AIErr (*AddAnnotator)(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator);
  /* Any time; an active annotator gets an AI Draw message at every redraw. */
  AIErr (*SetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean active);
  /* Any time. */
  AIErr (*GetAnnotatorActive)(AIAnnotatorHandle annotator, AIBoolean* active);
  /* Any time; the annotations over rect (view coordinates) are drawn again at the next redraw;
     a null view is every view. */
  AIErr (*InvalAnnotationRect)(AIDocumentViewHandle view, const AIRect* rect);
} AIAnnotatorSuite;

typedef struct AIAnnotatorDrawerSuite {
  /* Inside AI Draw, with its drawer; the colour of what is drawn next. */
  AIErr (*SetColor)(AIAnnotatorDrawer* drawer, const AIRGBColor* color);
  /* Inside AI Draw; the width of the next lines, finite and not negative. */
  AIErr (*SetLineWidth)(AIAnnotatorDrawer* drawer, AIReal width);
  /* Inside AI Draw; whether the next lines are dashed. */
  AIErr (*SetLineDashed)(AIAnnotatorDrawer* drawer, AIBoolean dashed);
  /* Inside AI Draw; the font of the next texts. */
  AIErr (*SetFontPreset)(AIAnnotatorDrawer* drawer, int32_t preset);
  /* Inside AI Draw; UTF-8 text (4096 bytes at most, copied), baseline starting at a view point. */
  AIErr (*DrawTextAligned)(AIAnnotatorDrawer* drawer, const char* text, const AIPoint* at);
  /* Inside AI Draw; a line between two view points. */
  AIErr (*DrawLine)(AIAnnotatorDrawer* drawer, const AIPoint* start, const AIPoint* end);
} AIAnnotatorDrawerSuite;

AI_END_C

#endif
