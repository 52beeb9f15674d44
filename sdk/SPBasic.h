/* The basic suite, the message header and the plug-in entry point. */
#ifndef GUIDES_SDK_SPBASIC_H
#define GUIDES_SDK_SPBASIC_H

#include "AITypes.h"

AI_BEGIN_C

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

/* Suites are handed out by name and version; every acquire is matched by a release. */
typedef struct SPBasicSuite {
  AIErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  AIErr (*ReleaseSuite)(const char* name, int32_t version);
  AIBoolean (*IsEqual)(const char* token1, const char* token2);
  AIErr (*AllocateBlock)(size_t size, void** block);
  AIErr (*FreeBlock)(void* block);
} SPBasicSuite;

/* The common header of every message record. */
typedef struct SPMessageData {
  int32_t SPCheck;      /* kSPValidSPMessageData */
  SPPluginRef self;     /* this plug-in as the host knows it */
  void* globals;        /* slot the host keeps for the plug-in between calls */
  SPBasicSuite* basic;  /* the host's basic suite */
} SPMessageData;
#define kSPValidSPMessageData AI_FOURCC('S', 'P', 'C', 'K')

typedef struct SPInterfaceMessage { SPMessageData d; } SPInterfaceMessage;
typedef struct SPAccessMessage { SPMessageData d; } SPAccessMessage;
typedef struct SPPropertiesMessage { SPMessageData d; int32_t vendorID, propertyKey, propertyID; void* property; } SPPropertiesMessage;

/* The entry point every plug-in exports, unmangled. */
typedef AIErr (*PluginMainProc)(const char* caller, const char* selector, void* message);
#define kPluginMainSymbol "PluginMain"

/* Callers and selectors of the life cycle. */
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPCacheCaller "SP Cache"
#define kSPPluginPurgeCachesSelector "Plug-in Purge"
#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"

/* SP Access: a plug-in holding an access reference to itself is never unloaded. */
#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3
typedef struct SPAccessSuite {
  AIErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  AIErr (*ReleasePlugin)(SPAccessRef access);
  AIErr (*GetPluginAccessCount)(SPPluginRef plugin, int32_t* count);
} SPAccessSuite;

/* SP Plug-ins: the plug-in's name as the host shows it. */
#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
typedef struct SPPluginsSuite {
  AIErr (*SetPluginName)(SPPluginRef plugin, const char* name);
  /* Copies the name into buffer, cut to capacity - 1 bytes and terminated. */
  AIErr (*GetPluginName)(SPPluginRef plugin, char* buffer, size_t capacity);
} SPPluginsSuite;

/* SP Blocks: memory blocks from the host. */
#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef struct SPBlocksSuite {
  AIErr (*AllocateBlock)(size_t size, const char* debug, void** block);
  AIErr (*FreeBlock)(void* block);
} SPBlocksSuite;

AI_END_C

#endif
