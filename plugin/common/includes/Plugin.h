// The plug-in framework: one object per plug-in, one virtual operation per kind of host
// message, with do-nothing defaults. PluginMain (Main.cpp) turns the host's calls into
// calls of these operations.
#ifndef GUIDES_PLUGIN_H
#define GUIDES_PLUGIN_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "AIAnnotator.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AITool.h"
#include "IAIError.h"
#include "SPBasic.h"

class Suites;

// The module's one exported symbol.
extern "C" __attribute__((visibility("default"))) ASErr PluginMain(const char* caller, const char* selector,
                                                                     void* message);

class Plugin {
 public:
  static constexpr size_t kMaxStringLength = 256;
  // Seconds during which a repeated error code is not reported again.
  static constexpr int64_t kDefaultErrorTimeout = 5;

  explicit Plugin(SPPluginRef pluginRef);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  virtual ~Plugin();

  virtual void ReportError(ASErr error, const char* caller, const char* selector, void* message);
  virtual ASErr LockPlugin(ASBoolean lock);

  virtual ASErr StartupPlugin(SPInterfaceMessage* message);
  virtual ASErr PostStartupPlugin();
  virtual ASErr ShutdownPlugin(SPInterfaceMessage* message);
  virtual ASErr UnloadPlugin(SPAccessMessage* message);
  virtual ASErr ReloadPlugin(SPAccessMessage* message);

  virtual ASErr AcquireProperty(SPPropertiesMessage* message);
  virtual ASErr ReleaseProperty(SPPropertiesMessage* message);

  virtual void GetPluginName(char* buffer, int length);
  virtual ASBoolean Purge();

  virtual ASErr Message(const char* caller, const char* selector, void* message);

  virtual ASErr SetGlobal(Plugin* plugin);
  virtual ASErr AllocateSuiteTables();
  virtual ASErr FillSuiteTables();
  virtual ASErr EmptySuiteTables();
  virtual ASErr AcquireOptionalSuites();

  virtual ASErr Notify(AINotifierMessage* message);
  // The records of the message kinds below are not used by this plug-in; they arrive untyped.
  virtual ASErr GoAction(void* message);
  virtual ASErr GoMenuItem(AIMenuMessage* message);
  virtual ASErr UpdateMenuItem(AIMenuMessage* message);
  virtual ASErr GetFilterParameters(void* message);
  virtual ASErr GoFilter(void* message);
  virtual ASErr PluginGroupNotify(void* message);
  virtual ASErr PluginGroupUpdate(void* message);
  virtual ASErr GetFileFormatParameters(void* message);
  virtual ASErr GoFileFormat(void* message);
  virtual ASErr CheckFileFormat(void* message);
  virtual ASErr FileFormatUpdate(void* message);
  virtual ASErr SetFileFormatParameters(void* message);

  virtual ASErr EditTool(AIToolMessage* message);
  virtual ASErr TrackToolCursor(AIToolMessage* message);
  virtual ASErr ToolMouseDown(AIToolMessage* message);
  virtual ASErr ToolMouseDrag(AIToolMessage* message);
  virtual ASErr ToolMouseUp(AIToolMessage* message);
  virtual ASErr SelectTool(AIToolMessage* message);
  virtual ASErr DeselectTool(AIToolMessage* message);
  virtual ASErr ReselectTool(AIToolMessage* message);
  virtual ASErr DecreaseDiameter(AIToolMessage* message);
  virtual ASErr IncreaseDiameter(AIToolMessage* message);

  virtual ASErr EditLiveEffectParameters(void* message);
  virtual ASErr GoLiveEffect(void* message);
  virtual ASErr LiveEffectInterpolate(void* message);
  virtual ASErr LiveEffectGetInputType(void* message);
  virtual ASErr LiveEffectConvertColorSpace(void* message);
  virtual ASErr LiveEffectScaleParameters(void* message);
  virtual ASErr LiveEffectAdjustColors(void* message);
  virtual ASErr LiveEffectHandleMerge(void* message);

  virtual ASErr GoTimer(void* message);

  virtual ASErr GoClipboard(void* message);
  virtual ASErr CanCopyClipboard(void* message);
  virtual ASErr CloneClipboard(void* message);
  virtual ASErr DisposeClipboard(void* message);

  virtual ASErr WorkspaceWrite(void* message);
  virtual ASErr WorkspaceRestore(void* message);
  virtual ASErr WorkspaceDefault(void* message);

  static bool IsReloadMsg(const char* caller, const char* selector);
  bool SuitesAcquired() const noexcept { return fSuites != nullptr; }
  SPPluginRef GetPluginRef() const noexcept { return fPluginRef; }

  // Host replies and outcomes that are not failures: never reported.
  static bool FilterError(ASErr error);
  static void DefaultError(SPPluginRef pluginRef, ASErr error);
  // Looks up a text for the code; this plug-in has none, so the buffer is left empty.
  static bool FindMsg(SPPluginRef pluginRef, ASErr error, char* buffer, int length);

  // What the error reports depend on besides the object: the clock of the repeat window
  // (time() when null) and a listener told of every report that reaches DefaultError.
  struct ReportSeams {
    int64_t (*now)() = nullptr;
    void (*reported)(SPPluginRef pluginRef, ASErr error) = nullptr;
  };
  static void SetReportSeams(const ReportSeams& seams) noexcept;

  // Plug-in objects come from the array forms of the global operators, without throwing.
  static void* operator new(size_t size, const std::nothrow_t& tag) noexcept;
  static void operator delete(void* storage) noexcept;
  static void operator delete(void* storage, const std::nothrow_t& tag) noexcept;

 protected:
  // Takes every field of other; other is left holding nothing (no suites, no lock).
  Plugin(Plugin&& other) noexcept;

  ASErr CreateSuites();

  SPPluginRef fPluginRef;
  char fName[kMaxStringLength];
  std::unique_ptr<Suites> fSuites;
  int32_t fLockCount = 0;
  SPAccessRef fAccessRef = nullptr;
  ASErr fLastError = kNoErr;
  int64_t fErrorTimeout = kDefaultErrorTimeout;
  bool fSuppressRepeats = true;
  int64_t fLastErrorTime = 0;

 private:
  ASErr DispatchNotifier(const char* selector, AINotifierMessage* message);
  ASErr RegisterStartedNotifier();
  static int64_t Now();
};

// Provided by the concrete plug-in: a new plug-in object for that reference, or null
// when memory is short.
Plugin* AllocatePlugin(SPPluginRef pluginRef);
// Gives an existing object a fresh virtual table after the host reloaded the code; the
// returned pointer is the object from now on.
Plugin* FixupReload(Plugin* plugin);

#endif
