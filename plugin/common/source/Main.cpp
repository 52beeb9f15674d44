// The entry point: every host call arrives here and goes to the one plug-in object that
// the host keeps in the message's globals slot between calls.
#include <cstdio>
#include <cstring>

#include "GuidesSuites.h"
#include "Plugin.h"

namespace {

bool Same(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

void Forget(SPMessageData& data, Plugin*& plugin) {
  delete plugin;
  plugin = nullptr;
  data.globals = nullptr;
}

// A failed start-up deletes the object at once, so the host never keeps a half-started one.
ASErr StartPlugin(SPMessageData& data, Plugin*& plugin, void* message) {
  if (plugin) return kNoErr;  // a repeated start-up must not make a second object
  plugin = AllocatePlugin(data.self);
  if (!plugin) return kOutOfMemoryErr;
  data.globals = plugin;
  ASErr error = CallGuarded([&] { return plugin->StartupPlugin(static_cast<SPInterfaceMessage*>(message)); });
  if (error != kNoErr) Forget(data, plugin);
  return error;
}

ASErr ShutDownPlugin(SPMessageData& data, Plugin*& plugin, void* message) {
  ASErr error = CallGuarded([&] { return plugin->ShutdownPlugin(static_cast<SPInterfaceMessage*>(message)); });
  Forget(data, plugin);
  return error;
}

// A reload first gives the object a fresh virtual table, before any virtual call. Without
// suites, nothing but the life cycle is dispatched.
ASErr Dispatch(SPMessageData& data, Plugin*& plugin, const char* caller, const char* selector, void* message) {
  ASErr result = kNoErr;
  if (Plugin::IsReloadMsg(caller, selector)) {
    plugin = FixupReload(plugin);
    data.globals = plugin;
    result = CallGuarded([&] { return plugin->ReloadPlugin(static_cast<SPAccessMessage*>(message)); });
  } else if (plugin->SuitesAcquired()) {
    result = CallGuarded([&] { return plugin->Message(caller, selector, message); });
  }
  if (result == kUnhandledMsgErr) {
    std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n", caller, selector);
    result = kNoErr;
  }
  return result;
}

void Report(SPMessageData& data, Plugin* plugin, ASErr error, const char* caller, const char* selector,
            void* message) {
  if (!plugin) {
    Plugin::DefaultError(data.self, error);
    return;
  }
  CallGuarded([&] { plugin->ReportError(error, caller, selector, message); });
}

}  // namespace

extern "C" ASErr PluginMain(const char* caller, const char* selector, void* message) {
  if (!caller || !selector || !message) return kBadParameterErr;
  SPMessageData& data = *static_cast<SPMessageData*>(message);
  sSPBasic = data.basic;
  Plugin* plugin = static_cast<Plugin*>(data.globals);

  ASErr error = kNoErr;
  if (Same(caller, kSPInterfaceCaller)) {
    if (Same(selector, kSPInterfaceStartupSelector))
      error = StartPlugin(data, plugin, message);
    else if (Same(selector, kSPInterfaceShutdownSelector) && plugin)
      error = ShutDownPlugin(data, plugin, message);
  }
  if (plugin) error = Dispatch(data, plugin, caller, selector, message);
  if (error != kNoErr) Report(data, plugin, error, caller, selector, message);
  return error;
}
