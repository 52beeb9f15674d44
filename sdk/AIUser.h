/* User interaction: alerts and cursor resources. */
#ifndef GUIDES_SDK_AIUSER_H
#define GUIDES_SDK_AIUSER_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion 1010

typedef struct AIUserSuite {
  /* Any time; shows a modal alert with the text (not kept) and returns once it is dismissed. */
  AIErr (*MessageAlert)(AIUnicodeStringRef text);
  /* Any time; *manager is the caller's until Dispose. */
  AIErr (*CreateCursorResourceMgr)(SPPluginRef plugin, AIResourceManagerHandle* manager);
  /* Any time, once per manager; a disposed one is refused. */
  AIErr (*DisposeCursorResourceMgr)(AIResourceManagerHandle manager);
} AIUserSuite;

AI_END_C

#endif
