/* Artboards of the document in front. Indices are 0-based. */
#ifndef GUIDES_SDK_AIARTBOARD_H
#define GUIDES_SDK_AIARTBOARD_H

#include "AITypes.h"

AI_BEGIN_C

#define kAIArtboardSuite "AI Artboard Suite"
#define kAIArtboardSuiteVersion 1002

/* An index the document does not have gives kBadParameterErr and no result. */
typedef struct AIArtboardSuite {
  /* With a document in front; *list stands for that document and goes stale once another is in front. */
  AIErr (*GetArtboardList)(AIArtboardListRef* list);
  /* Any time, once per list of GetArtboardList. */
  AIErr (*ReleaseArtboardList)(AIArtboardListRef list);
  /* While the list's document is in front. */
  AIErr (*GetCount)(AIArtboardListRef list, int32_t* count);
  /* While the list's document is in front; the index of the active artboard. */
  AIErr (*GetActive)(AIArtboardListRef list, int32_t* index);
  /* While the list's document is in front. */
  AIErr (*SetActive)(AIArtboardListRef list, int32_t index);
  /* While the list's document is in front; *properties is a snapshot, the caller's until
     DisposeArtboardProperties. */
  AIErr (*GetArtboardProperties)(AIArtboardListRef list, int32_t index, AIArtboardPropertiesRef* properties);
  /* Any time, once per record. */
  AIErr (*DisposeArtboardProperties)(AIArtboardPropertiesRef properties);
  /* Any time while the record lives; the artboard's rectangle when the record was made. */
  AIErr (*GetPosition)(AIArtboardPropertiesRef properties, AIRealRect* rect);
  /* Any time while the record lives; *name receives a new string, the caller's until Dispose; a
     string already there is disposed. */
  AIErr (*GetName)(AIArtboardPropertiesRef properties, AIUnicodeStringRef* name);
} AIArtboardSuite;

AI_END_C

#endif
