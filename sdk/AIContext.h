/* Application context: pushed around the plug-in's work inside a notification. */
#ifndef GUIDES_SDK_AICONTEXT_H
#define GUIDES_SDK_AICONTEXT_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion 1006

typedef struct AIAppContextSuite {
  /* Inside a message only; *context is popped before that message returns (any left are dropped). */
  AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  /* Inside the message that pushed it, the last pushed first; any other pop is refused. */
  AIErr (*PopAppContext)(AIAppContextHandle context);
} AIAppContextSuite;

AI_END_C

#endif
