/* Artboards of the document in front. Indices are 0-based. */
#ifndef GUIDES_SDK_AIARTBOARD_H
#define GUIDES_SDK_AIARTBOARD_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIArtboardSuite "AI Artboard Suite"
#define kAIArtboardSuiteVersion 1002

/* An index the document does not have gives kBadParameterErr and no result. */
typedef struct AIArtboardSuite {
  AIErr (*GetArtboardList)(AIArtboardListRef* list);
  AIErr (*ReleaseArtboardList)(AIArtboardListRef list);
  AIErr (*GetCount)(AIArtboardListRef list, int32_t* count);
  AIErr (*GetActive)(AIArtboardListRef list, int32_t* index);
  AIErr (*SetActive)(AIArtboardListRef list, int32_t index);
  /* *properties receives a new record owned by the caller (DisposeArtboardProperties). */
  AIErr (*GetArtboardProperties)(AIArtboardListRef list, int32_t index, AIArtboardPropertiesRef* properties);
  AIErr (*DisposeArtboardProperties)(AIArtboardPropertiesRef properties);
  AIErr (*GetPosition)(AIArtboardPropertiesRef properties, AIRealRect* rect);
  /* *name receives a new string owned by the caller; a string already there is disposed. */
  AIErr (*GetName)(AIArtboardPropertiesRef properties, AIUnicodeStringRef* name);
} AIArtboardSuite;

AI_END_C

#endif
