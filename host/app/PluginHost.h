// One plug-in as the host runs it: its module, the globals slot the host keeps for it,
// the message header filled for every call, and its place in the life cycle.
#ifndef GUIDES_HOST_APP_PLUGINHOST_H
#define GUIDES_HOST_APP_PLUGINHOST_H

#include <filesystem>
#include <string>
#include <string_view>

#include "AINotifier.h"
#include "SPBasic.h"
#include "app/LifeCycle.h"
#include "app/PluginModule.h"
#include "model/Ref.h"

namespace host {

class PluginHost {
 public:
  explicit PluginHost(std::filesystem::path path);
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;
  ~PluginHost();

  // Opens the module and makes the plug-in known to the suites. A module that cannot be
  // opened, or has no PluginMain, is reported and false is returned.
  bool load();
  // Loads the module if needed and sends "Startup"; a failure is reported and the plug-in
  // let go (unloaded unless it holds an access lock).
  bool start();
  // Sends the application-started notification to the plug-in's notifiers of that type.
  void announceApplicationStarted();
  // Sends the shutdown notification, then "Shutdown", then lets the plug-in go.
  void shutDown();

  // What the host does with an idle plug-in when memory runs low: a plug-in that holds no
  // access lock gets "SP Access"/"Unload" and its module is closed; it stays running, and
  // its next message loads the module again and sends "SP Access"/"Reload" first, with the
  // same globals slot. False, and nothing sent, for a locked or not running plug-in.
  bool unloadWhileIdle();
  bool isUnloadedWhileIdle() const { return unloadedWhileIdle_; }

  // Sends one message with its header filled: check, self, globals slot, basic suite.
  // Every record of the host interface begins with that header.
  template <class Message>
  AIErr send(const char* caller, const char* selector, Message& message,
             std::string_view notifierType = {}) {
    return deliver(caller, selector, message.d, &message, notifierType);
  }
  // Sends "AI Notify" of a type to each active notifier of the plug-in registered for it;
  // the first failing result, or 0.
  AIErr notify(std::string_view type, void* data = nullptr);

  bool isLoaded() const { return module_.isOpen(); }
  bool isRunning() const;
  PluginState state() const { return state_; }
  const std::string& fileName() const { return fileName_; }
  const std::filesystem::path& path() const { return path_; }
  Ref ref() const { return ref_; }
  void* globals() const { return globals_; }

 private:
  AIErr deliver(const char* caller, const char* selector, SPMessageData& header, void* message,
                std::string_view notifierType);
  void checkContexts(size_t depthBefore, const char* caller, const char* selector);
  // After shutdown or a failed start-up: what the plug-in registered goes, and the module
  // is closed unless the plug-in holds an access lock.
  void letGo();
  void unload();
  // Opens the module again after unloadWhileIdle and sends "Reload"; false when it failed.
  bool reloadAfterIdle();

  std::filesystem::path path_;
  std::string fileName_;
  PluginModule module_;
  Ref ref_;
  void* globals_ = nullptr;
  PluginState state_ = PluginState::Loaded;
  bool keptByLock_ = false;
  bool unloadedWhileIdle_ = false;
};

}  // namespace host

#endif
