/* Plug-in options as the host keeps them. */
#ifndef GUIDES_SDK_AIPLUGIN_H
#define GUIDES_SDK_AIPLUGIN_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 1004

typedef struct AIPluginSuite {
  AIErr (*GetPluginOptions)(SPPluginRef plugin, int32_t* options);
  AIErr (*SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

AI_END_C

#endif
