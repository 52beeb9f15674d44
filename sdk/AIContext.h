/* Application context: pushed around the plug-in's work inside a notification. */
#ifndef GUIDES_SDK_AICONTEXT_H
#define GUIDES_SDK_AICONTEXT_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion 1006

typedef struct AIAppContextSuite {
  AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  AIErr (*PopAppContext)(AIAppContextHandle context);
} AIAppContextSuite;

AI_END_C

#endif
