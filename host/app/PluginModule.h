// A plug-in module opened the way a real host opens one: dlopen, then the unmangled
// PluginMain looked up by name.
#ifndef GUIDES_HOST_APP_PLUGINMODULE_H
#define GUIDES_HOST_APP_PLUGINMODULE_H

#include <filesystem>
#include <string>

#include "SPBasic.h"

namespace host {

class PluginModule {
 public:
  PluginModule() = default;
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;
  ~PluginModule() { close(); }

  enum class Opening { Opened, NotLoadable, NoEntryPoint };
  // Opens the module (RTLD_NOW | RTLD_LOCAL) and finds its entry point. When either fails,
  // nothing stays open and reason holds the system's message.
  Opening open(const std::filesystem::path& path, std::string* reason);
  void close();
  // Forgets the module without closing it: it stays in memory until the process ends.
  void keepOpen() {
    handle_ = nullptr;
    entry_ = nullptr;
  }

  bool isOpen() const { return handle_ != nullptr; }
  PluginMainProc entry() const { return entry_; }

 private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
};

}  // namespace host

#endif
