#include "app/PluginHost.h"

#include <algorithm>

#include "model/Shell.h"
#include "suites/SuiteRegistry.h"

namespace host {

PluginHost::PluginHost(std::filesystem::path path)
    : path_(std::move(path)), fileName_(path_.filename().string()) {}

// A plug-in that held an access lock is never unloaded: it stays in memory to the end.
PluginHost::~PluginHost() {
  if (keptByLock_ || (isLoaded() && shell().plugins.accessCount(ref_) > 0)) module_.keepOpen();
}

bool PluginHost::load() {
  if (isLoaded()) return true;
  std::string reason;
  switch (module_.open(path_, &reason)) {
    case PluginModule::Opening::NotLoadable:
      shell().log.error(fileName_ + ": cannot be loaded", reason);
      return false;
    case PluginModule::Opening::NoEntryPoint:
      shell().log.error(fileName_ + ": exports no " kPluginMainSymbol, reason);
      return false;
    case PluginModule::Opening::Opened:
      break;
  }
  PluginRecord record;
  record.fileName = fileName_;
  record.name = fileName_;
  record.resourcesFolder = (path_.parent_path() / "Resources").string();
  ref_ = shell().plugins.add(std::move(record));
  globals_ = nullptr;
  state_ = PluginState::Loaded;
  shell().log.note(fileName_ + ": loaded");
  return true;
}

bool PluginHost::isRunning() const {
  return state_ == PluginState::Started || state_ == PluginState::ApplicationStarted;
}

namespace {

// ": AI Art Suite 1016 is not available" for the suites asked for since `first` that the
// host does not have; empty when there are none.
std::string suitesNotAvailable(size_t first) {
  const std::vector<SuiteUsage::Key>& asked = shell().suites.notFound();
  std::vector<SuiteUsage::Key> missing;
  for (size_t i = first; i < asked.size(); ++i)
    if (std::find(missing.begin(), missing.end(), asked[i]) == missing.end()) missing.push_back(asked[i]);
  if (missing.empty()) return {};
  std::string text = ": ";
  for (size_t i = 0; i < missing.size(); ++i)
    text += (i == 0 ? "" : ", ") + missing[i].first + " " + std::to_string(missing[i].second);
  return text + (missing.size() == 1 ? " is not available" : " are not available");
}

}  // namespace

bool PluginHost::start() {
  if (!load()) return false;
  const size_t notFoundBefore = shell().suites.notFound().size();
  SPInterfaceMessage message{};
  const AIErr result = send(kSPInterfaceCaller, kSPInterfaceStartupSelector, message);
  if (result == kNoErr && isRunning()) {
    shell().log.note(fileName_ + ": started");
    return true;
  }
  shell().log.error(fileName_ + ": start-up failed with " + resultText(result) +
                    suitesNotAvailable(notFoundBefore));
  letGo();
  return false;
}

void PluginHost::announceApplicationStarted() {
  if (state_ != PluginState::Started) return;
  const AIErr result = notify(kAIApplicationStartedNotifier);
  state_ = PluginState::ApplicationStarted;
  if (result != kNoErr)
    shell().log.error(fileName_ + ": application started answered " + resultText(result));
  else
    shell().log.note(fileName_ + ": application started");
}

void PluginHost::shutDown() {
  if (!isRunning()) return;
  notify(kAIApplicationShutdownNotifier);
  SPInterfaceMessage message{};
  const AIErr result = send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, message);
  if (result != kNoErr)
    shell().log.error(fileName_ + ": shutdown answered " + resultText(result));
  else
    shell().log.note(fileName_ + ": shut down");
  letGo();
}

AIErr PluginHost::notify(std::string_view type, void* data) {
  const std::string typeText(type);
  AIErr first = kNoErr;
  for (Ref notifier : shell().plugins.notifiersOf(ref_, type)) {
    AINotifierMessage message{};
    message.notifier = toHandle<AINotifierHandle>(notifier);
    message.type = typeText.c_str();
    message.notifyData = data;
    const AIErr result = send(kAINotifierCaller, kAINotifySelector, message, type);
    if (first == kNoErr) first = result;
  }
  return first;
}

bool PluginHost::unloadWhileIdle() {
  if (!isRunning() || unloadedWhileIdle_ || shell().plugins.accessCount(ref_) > 0) return false;
  SPAccessMessage message{};
  const AIErr result = send(kSPAccessCaller, kSPAccessUnloadSelector, message);
  if (result != kNoErr) shell().log.error(fileName_ + ": unload answered " + resultText(result));
  module_.close();
  unloadedWhileIdle_ = true;
  shell().log.note(fileName_ + ": unloaded while idle");
  return true;
}

bool PluginHost::reloadAfterIdle() {
  std::string reason;
  if (module_.open(path_, &reason) != PluginModule::Opening::Opened) {
    shell().log.error(fileName_ + ": cannot be loaded again", reason);
    return false;
  }
  unloadedWhileIdle_ = false;
  shell().log.note(fileName_ + ": loaded again");
  SPAccessMessage message{};
  const AIErr result = send(kSPAccessCaller, kSPAccessReloadSelector, message);
  if (result != kNoErr) shell().log.error(fileName_ + ": reload answered " + resultText(result));
  return true;
}

AIErr PluginHost::deliver(const char* caller, const char* selector, SPMessageData& header,
                          void* message, std::string_view notifierType) {
  if (unloadedWhileIdle_ && !reloadAfterIdle()) return kCantHappenErr;
  if (!isLoaded()) {
    shell().log.error(fileName_ + ": message " + caller + "/" + selector + " to a plug-in not loaded");
    return kCantHappenErr;
  }
  const MessageKind kind = classify(caller, selector, notifierType);
  if (const char* why = outOfOrder(state_, kind))
    shell().log.error(fileName_ + ": out of order: " + why + " (" + caller + "/" + selector + ")");

  std::string traced;
  if (shell().log.tracing()) {
    traced = std::string("message ") + caller + "/" + selector;
    if (!notifierType.empty()) traced.append(" [").append(notifierType).append("]");
    traced += " to " + fileName_;
    shell().log.trace(traced);
  }

  header.SPCheck = kSPValidSPMessageData;
  header.self = toHandle<SPPluginRef>(ref_);
  header.globals = globals_;
  header.basic = messageBasicSuite();
  const size_t depth = shell().plugins.contextDepth();
  const AIErr result = module_.entry()(caller, selector, message);
  globals_ = header.globals;
  checkContexts(depth, caller, selector);
  state_ = stateAfter(state_, kind, result);

  if (!traced.empty()) shell().log.trace(traced + " -> " + resultText(result));
  return result;
}

// Contexts are pushed and popped inside one message; any left over are dropped.
void PluginHost::checkContexts(size_t depthBefore, const char* caller, const char* selector) {
  const size_t depth = shell().plugins.contextDepth();
  if (depth <= depthBefore) return;
  shell().log.error(fileName_ + ": " + std::to_string(depth - depthBefore) +
                    " application context(s) left pushed by " + caller + "/" + selector);
  shell().plugins.truncateContexts(depthBefore);
}

void PluginHost::letGo() {
  shell().plugins.forgetNotifiers(ref_);
  shell().ui.forgetPlugin(ref_);
  if (shell().plugins.accessCount(ref_) > 0) {
    shell().log.note(fileName_ + ": stays loaded, it holds an access lock");
    keptByLock_ = true;
    // The locks belonged to the instance that has just gone.
    shell().plugins.forgetAccess(ref_);
    return;
  }
  unload();
}

void PluginHost::unload() {
  module_.close();
  unloadedWhileIdle_ = false;
  shell().plugins.remove(ref_);
  ref_ = Ref{};
  globals_ = nullptr;
  state_ = PluginState::Loaded;
  shell().log.note(fileName_ + ": unloaded");
}

}  // namespace host
