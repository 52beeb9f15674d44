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
  /* Any time; writes a path's file name into the caller's buffer, cut to capacity - 1 bytes, terminated. */
  AIErr (*GetFileName)(const char* path, char* buffer, size_t capacity);
} AIFilePathSuite;

typedef struct AIFoldersSuite {
  /* Any time; writes the path of the plug-in's Resources folder into the caller's buffer, cut, terminated. */
  AIErr (*GetResourcesFolderPath)(SPPluginRef plugin, char* buffer, size_t capacity);
} AIFoldersSuite;

typedef struct AIMdMemorySuite {
  /* Any time; *handle is the caller's until MdMemoryDisposeHandle. */
  AIErr (*MdMemoryNewHandle)(size_t size, void** handle);
  /* Any time, once per handle. */
  AIErr (*MdMemoryDisposeHandle)(void* handle);
} AIMdMemorySuite;

typedef struct AIRuntimeSuite {
  /* Any time. */
  AIErr (*GetAppVersion)(int32_t* major, int32_t* minor);
  /* Any time; writes the application's name into the caller's buffer, cut and terminated. */
  AIErr (*GetAppName)(char* buffer, size_t capacity);
} AIRuntimeSuite;

AI_END_C

#endif
