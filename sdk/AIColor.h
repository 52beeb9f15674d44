/* Custom colours and swatches of the host. Acquired, not used. */
#ifndef GUIDES_SDK_AICOLOR_H
#define GUIDES_SDK_AICOLOR_H

#include "AITypes.h"

AI_BEGIN_C

#define kAICustomColorSuite "AI Custom Color Suite"
#define kAICustomColorSuiteVersion 1007
#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 1006
#define kAISwatchGroupSuite "AI Swatch Group Suite"
#define kAISwatchGroupSuiteVersion 1002

typedef struct AICustomColorSuite {
  /* Any time. */
  AIErr (*CountCustomColors)(int32_t* count);
} AICustomColorSuite;

typedef struct AISwatchListSuite {
  /* Any time. */
  AIErr (*CountSwatches)(int32_t* count);
} AISwatchListSuite;

typedef struct AISwatchGroupSuite {
  /* Any time. */
  AIErr (*CountSwatchGroups)(int32_t* count);
} AISwatchGroupSuite;

AI_END_C

#endif
