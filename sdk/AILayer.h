/* Layers of the document in front, top first. */
#ifndef GUIDES_SDK_AILAYER_H
#define GUIDES_SDK_AILAYER_H

#include "AITypes.h"

AI_BEGIN_C

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 1012

typedef struct AILayerSuite {
  /* With a document in front. */
  AIErr (*CountLayers)(int32_t* count);
  /* With a document in front; layer n counted from the top, 0 first; a host handle. */
  AIErr (*GetNthLayer)(int32_t n, AILayerHandle* layer);
  /* With a document in front; a host handle. */
  AIErr (*GetCurrentLayer)(AILayerHandle* layer);
  /* With a document in front. */
  AIErr (*SetCurrentLayer)(AILayerHandle layer);
  /* With a document in front; inserts a new layer placed by paintOrder (kPlaceAbove, kPlaceBelow,
     kPlaceAboveAll, kPlaceBelowAll) relative to base; a host handle, valid until DeleteLayer. */
  AIErr (*InsertLayer)(AILayerHandle base, int16_t paintOrder, AILayerHandle* newLayer);
  /* With a document in front; every handle to the layer or its art goes stale. */
  AIErr (*DeleteLayer)(AILayerHandle layer);
  /* Any time; *title receives a new string, the caller's until Dispose; a string already there is disposed. */
  AIErr (*GetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef* title);
  /* Any time; the text is copied, the caller keeps its string. */
  AIErr (*SetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);
  /* Any time. */
  AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
  /* Any time. */
  AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
  /* Any time. */
  AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
  /* Any time. */
  AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
  /* Any time; the layer's own group, which holds its art; a host handle. */
  AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* group);
} AILayerSuite;

AI_END_C

#endif
