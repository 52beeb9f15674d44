/* Plug-in options as the host keeps them. */
#ifndef GUIDES_SDK_AIPLUGIN_H
#define GUIDES_SDK_AIPLUGIN_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 1004

typedef struct AIPluginSuite {
  /* Any time; a copy of the options the host keeps for the plug-in. */
  AIErr (*GetPluginOptions)(SPPluginRef plugin, int32_t* options);
  /* Any time; the host keeps the options with the plug-in's record. */
  AIErr (*SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

AI_END_C

#endif
