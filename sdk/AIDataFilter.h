/* Data filters: reading a resource of the plug-in's Resources folder in chunks. */
#ifndef GUIDES_SDK_AIDATAFILTER_H
#define GUIDES_SDK_AIDATAFILTER_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIDataFilterSuite "AI Data Filter Suite"
#define kAIDataFilterSuiteVersion 1007

typedef struct AIDataFilterSuite {
  /* Any time; a filter over the plug-in's resource of that type, id and name, the caller's until
     UnlinkDataFilter; kNotFoundErr when the resource does not exist. */
  AIErr (*NewResourceDataFilter)(SPPluginRef plugin, int32_t type, int32_t id, const char* name, AIDataFilter** filter);
  /* Any time; chains next after prev (null prev: next starts a chain); both stay the caller's. */
  AIErr (*LinkDataFilter)(AIDataFilter* prev, AIDataFilter* next);
  /* Any time, once per filter; unlinks and frees it; next, which may be null, receives the one after. */
  AIErr (*UnlinkDataFilter)(AIDataFilter* filter, AIDataFilter** next);
  /* Any time; reads up to *count bytes into store; *count receives the bytes read (0 at the end). */
  AIErr (*ReadDataFilter)(AIDataFilter* filter, char* store, size_t* count);
} AIDataFilterSuite;

AI_END_C

#endif
