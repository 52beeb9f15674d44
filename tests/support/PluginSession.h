// The plug-in driven through its entry point over the simulated host, in this process: a
// module registered as the host registers one, messages sent with the globals slot kept
// between calls. The basic suite handed to the plug-in records the suites acquired and
// released, in order, and hands out a test's own table in place of the host's for a suite
// named in `replaced` (a copy of the host's with one operation changed, to make it fail), or
// refuses one named in `refused` with its code.
#ifndef GUIDES_TESTS_PLUGINSESSION_H
#define GUIDES_TESTS_PLUGINSESSION_H

#include <map>
#include <string>
#include <vector>

#include "AINotifier.h"
#include "AITypes.h"
#include "Plugin.h"
#include "TestHost.h"
#include "model/Shell.h"
#include "suites/SuiteRegistry.h"

namespace testhost {

class PluginSession {
 public:
  static inline std::vector<std::string> acquired;
  static inline std::vector<std::string> released;
  static inline std::map<std::string, const void*> replaced;
  static inline std::map<std::string, AIErr> refused;

  PluginSession() {
    reset();
    host::resetShell();
    acquired.clear();
    released.clear();
    replaced.clear();
    refused.clear();
    basic = *host::messageBasicSuite();
    basic.AcquireSuite = Acquire;
    basic.ReleaseSuite = Release;
  }
  ~PluginSession() {
    if (globals) shutDown();
    host::resetShell();
    reset();
  }

  // The module as the host knows it; start() registers a plain one when none was.
  void enroll(host::PluginRecord record = {}) { ref = host::shell().plugins.add(std::move(record)); }
  host::PluginRecord& record() { return *host::shell().plugins.find(ref); }
  SPPluginRef self() const { return host::toHandle<SPPluginRef>(ref); }

  template <class Message>
  AIErr send(const char* caller, const char* selector, Message& message) {
    message.d = SPMessageData{kSPValidSPMessageData, self(), globals, &basic};
    const AIErr result = PluginMain(caller, selector, &message);
    globals = message.d.globals;
    return result;
  }
  AIErr send(const char* caller, const char* selector) {
    SPInterfaceMessage message{};
    return send(caller, selector, message);
  }
  AIErr start() {
    if (ref.isNull()) enroll();
    return send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
  }
  AIErr shutDown() { return send(kSPInterfaceCaller, kSPInterfaceShutdownSelector); }
  // Sent to the plug-in's first notifier of that type, as the host does.
  AIErr notify(const char* type) {
    AINotifierMessage message{};
    const auto registered = host::shell().plugins.notifiersOf(ref, type);
    message.notifier = registered.empty() ? nullptr : host::toHandle<AINotifierHandle>(registered.front());
    message.type = type;
    return send(kAINotifierCaller, kAINotifySelector, message);
  }

  host::Ref ref;
  void* globals = nullptr;
  SPBasicSuite basic{};

 private:
  static AIErr Acquire(const char* name, int32_t version, const void** suite) {
    if (auto refusal = refused.find(name); refusal != refused.end()) return refusal->second;
    const AIErr error = host::messageBasicSuite()->AcquireSuite(name, version, suite);
    if (error != kNoErr) return error;
    acquired.push_back(name);
    if (auto own = replaced.find(name); own != replaced.end()) *suite = own->second;
    return kNoErr;
  }
  static AIErr Release(const char* name, int32_t version) {
    released.push_back(name);
    return host::messageBasicSuite()->ReleaseSuite(name, version);
  }
};

}  // namespace testhost

#endif
