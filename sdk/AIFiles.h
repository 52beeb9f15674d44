/* Files, folders, memory and the host's run-time information. Acquired, not used. */
#ifndef GUIDES_SDK_AIFILES_H
#define GUIDES_SDK_AIFILES_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion 1003
#define kAIFoldersSuite "AI Folders Suite"
#define kAIFoldersSuiteVersion 1004
#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1002
#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion 1011

typedef struct AIFilePathSuite {
  /* Writes the file name of a path, cut to capacity - 1 bytes and terminated. */
  AIErr (*GetFileName)(const char* path, char* buffer, size_t capacity);
} AIFilePathSuite;

typedef struct AIFoldersSuite {
  /* Writes the path of the plug-in's Resources folder, cut and terminated. */
  AIErr (*GetResourcesFolderPath)(SPPluginRef plugin, char* buffer, size_t capacity);
} AIFoldersSuite;

typedef struct AIMdMemorySuite {
  AIErr (*MdMemoryNewHandle)(size_t size, void** handle);
  AIErr (*MdMemoryDisposeHandle)(void* handle);
} AIMdMemorySuite;

typedef struct AIRuntimeSuite {
  AIErr (*GetAppVersion)(int32_t* major, int32_t* minor);
  /* Writes the application's name, cut and terminated. */
  AIErr (*GetAppName)(char* buffer, size_t capacity);
} AIRuntimeSuite;

AI_END_C

#endif
