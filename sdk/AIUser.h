/* User interaction: alerts and cursor resources. */
#ifndef GUIDES_SDK_AIUSER_H
#define GUIDES_SDK_AIUSER_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 1010

typedef struct AIUserSuite {
  /* Shows a modal alert with one text and returns once it is dismissed. */
  AIErr (*MessageAlert)(AIUnicodeStringRef text);
  AIErr (*CreateCursorResourceMgr)(SPPluginRef plugin, AIResourceManagerHandle* manager);
  AIErr (*DisposeCursorResourceMgr)(AIResourceManagerHandle manager);
} AIUserSuite;

AI_END_C

#endif
