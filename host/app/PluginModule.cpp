#include "app/PluginModule.h"

#include <dlfcn.h>

namespace host {

PluginModule::Opening PluginModule::open(const std::filesystem::path& path, std::string* reason) {
  close();
  dlerror();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* error = dlerror();
    *reason = error ? error : "dlopen failed";
    return Opening::NotLoadable;
  }
  void* symbol = dlsym(handle, kPluginMainSymbol);
  if (!symbol) {
    const char* error = dlerror();
    *reason = error ? error : "no " kPluginMainSymbol;
    dlclose(handle);
    return Opening::NoEntryPoint;
  }
  handle_ = handle;
  entry_ = reinterpret_cast<PluginMainProc>(symbol);
  return Opening::Opened;
}

void PluginModule::close() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
  entry_ = nullptr;
}

}  // namespace host
