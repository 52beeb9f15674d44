/* Data filters: reading a resource of the plug-in's Resources folder in chunks. */
#ifndef GUIDES_SDK_AIDATAFILTER_H
#define GUIDES_SDK_AIDATAFILTER_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIDataFilterSuite "AI Data Filter Suite"
#define kAIDataFilterSuiteVersion 1007

typedef struct AIDataFilterSuite {
  /* A filter over the plug-in's resource of that type, id and name; kNotFoundErr when the
     resource does not exist. */
  AIErr (*NewResourceDataFilter)(SPPluginRef plugin, int32_t type, int32_t id, const char* name, AIDataFilter** filter);
  AIErr (*LinkDataFilter)(AIDataFilter* prev, AIDataFilter* next);
  /* Unlinks and frees the filter; next may be null. */
  AIErr (*UnlinkDataFilter)(AIDataFilter* filter, AIDataFilter** next);
  /* Reads up to *count bytes into store; *count receives the bytes read (0 at the end). */
  AIErr (*ReadDataFilter)(AIDataFilter* filter, char* store, size_t* count);
} AIDataFilterSuite;

AI_END_C

#endif
