/* Layers of the document in front, top first. */
#ifndef GUIDES_SDK_AILAYER_H
#define GUIDES_SDK_AILAYER_H

#include "AITypes.h"

AI_BEGIN_C

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 1012

typedef struct AILayerSuite {
  AIErr (*CountLayers)(int32_t* count);
  /* Layer n counted from the top, 0 first. */
  AIErr (*GetNthLayer)(int32_t n, AILayerHandle* layer);
  AIErr (*GetCurrentLayer)(AILayerHandle* layer);
  AIErr (*SetCurrentLayer)(AILayerHandle layer);
  /* Inserts a new layer placed by paintOrder (kPlaceAbove, kPlaceBelow, kPlaceAboveAll,
     kPlaceBelowAll) relative to base. */
  AIErr (*InsertLayer)(AILayerHandle base, int16_t paintOrder, AILayerHandle* newLayer);
  AIErr (*DeleteLayer)(AILayerHandle layer);
  /* *title receives a new string owned by the caller; a string already there is disposed. */
  AIErr (*GetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef* title);
  AIErr (*SetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);
  AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
  AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
  AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
  AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
  /* The layer's own group, which holds its art. */
  AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* group);
} AILayerSuite;

AI_END_C

#endif
