/* The basic suite, the message header and the plug-in entry point. */
#ifndef GUIDES_SDK_SPBASIC_H
#define GUIDES_SDK_SPBASIC_H

#include "AITypes.h"

AI_BEGIN_C

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

/* What the comments on each suite function say, in every header:
   - "Any time": on the host's main thread, inside a message the host sends the plug-in
     (PluginMain) or a call the host makes into it outside one (a panel action, a flyout
     menu choice), from Startup until the plug-in releases its suites at Shutdown.
   - "The caller's": the caller owns it and gives it back once, as told.
   - "A host handle": the host owns it; the caller never releases it; it stays valid until
     what it names is disposed (or its document leaves the front), or the plug-in is unloaded.
   - Texts and records the caller passes in are read during the call only, or copied.
   - Every function answering an error code may also answer kOutOfMemoryErr (memory ran
     out, nothing was changed) or kCantHappenErr (a fault of the host); IsEqual then answers
     false. No exception ever crosses back into the plug-in. */

/* Suites are handed out by name and version; every acquire is matched by a release. */
typedef struct SPBasicSuite {
  /* Any time; *suite is the host's table, to be used until the matching ReleaseSuite. */
  AIErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  /* Any time, once per acquire; the table is not used after the last release. */
  AIErr (*ReleaseSuite)(const char* name, int32_t version);
  /* Any time; true when both tokens are non-null and equal; keeps neither. */
  AIBoolean (*IsEqual)(const char* token1, const char* token2);
  /* Any time; *block is the caller's until it gives it back with FreeBlock. */
  AIErr (*AllocateBlock)(size_t size, void** block);
  /* Any time, once per block of AllocateBlock; a block freed twice is refused. */
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

/* The entry point every plug-in exports, unmangled. The host calls it on its main thread, one
   message at a time; caller, selector and message are valid during the call only. */
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
  /* Any time; *access is the caller's lock, which keeps the module loaded until ReleasePlugin. */
  AIErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  /* Any time, once per lock of AcquirePlugin. */
  AIErr (*ReleasePlugin)(SPAccessRef access);
  /* Any time; the locks held on the plug-in now. */
  AIErr (*GetPluginAccessCount)(SPPluginRef plugin, int32_t* count);
} SPAccessSuite;

/* SP Plug-ins: the plug-in's name as the host shows it. */
#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4
typedef struct SPPluginsSuite {
  /* Any time, usually at Startup; the host copies the name, cut to 255 bytes. */
  AIErr (*SetPluginName)(SPPluginRef plugin, const char* name);
  /* Any time; copies the name into the caller's buffer, cut to capacity - 1 bytes and terminated. */
  AIErr (*GetPluginName)(SPPluginRef plugin, char* buffer, size_t capacity);
} SPPluginsSuite;

/* SP Blocks: memory blocks from the host. */
#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2
typedef struct SPBlocksSuite {
  /* Any time; *block is the caller's until FreeBlock; debug is not kept. */
  AIErr (*AllocateBlock)(size_t size, const char* debug, void** block);
  /* Any time, once per block; the blocks are those of the basic suite. */
  AIErr (*FreeBlock)(void* block);
} SPBlocksSuite;

AI_END_C

#endif
