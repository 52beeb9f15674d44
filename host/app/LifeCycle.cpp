#include "app/LifeCycle.h"

#include "AINotifier.h"
#include "SPBasic.h"

namespace host {

MessageKind classify(std::string_view caller, std::string_view selector,
                     std::string_view notifierType) {
  if (caller == kSPInterfaceCaller && selector == kSPInterfaceStartupSelector)
    return MessageKind::Startup;
  if (caller == kSPInterfaceCaller && selector == kSPInterfaceShutdownSelector)
    return MessageKind::Shutdown;
  if (caller == kAINotifierCaller && notifierType == kAIApplicationStartedNotifier)
    return MessageKind::ApplicationStarted;
  return MessageKind::Other;
}

const char* outOfOrder(PluginState state, MessageKind kind) {
  const bool running = state == PluginState::Started || state == PluginState::ApplicationStarted;
  switch (kind) {
    case MessageKind::Startup:
      return running ? "start-up of a plug-in already started" : nullptr;
    case MessageKind::ApplicationStarted:
      if (state == PluginState::ApplicationStarted) return "application started twice";
      break;
    case MessageKind::Shutdown:
      return running ? nullptr : "shutdown of a plug-in not started";
    case MessageKind::Other:
      break;
  }
  if (state == PluginState::Loaded) return "message before start-up";
  if (state == PluginState::ShutDown) return "message after shutdown";
  return nullptr;
}

PluginState stateAfter(PluginState state, MessageKind kind, AIErr result) {
  switch (kind) {
    case MessageKind::Startup:
      if (state == PluginState::Started || state == PluginState::ApplicationStarted) return state;
      return result == kNoErr ? PluginState::Started : PluginState::Loaded;
    case MessageKind::ApplicationStarted:
      return state == PluginState::Started ? PluginState::ApplicationStarted : state;
    case MessageKind::Shutdown:
      return state == PluginState::Loaded ? state : PluginState::ShutDown;
    case MessageKind::Other:
      return state;
  }
  return state;
}

const char* stateName(PluginState state) {
  switch (state) {
    case PluginState::Loaded:
      return "loaded";
    case PluginState::Started:
      return "started";
    case PluginState::ApplicationStarted:
      return "application started";
    case PluginState::ShutDown:
      return "shut down";
  }
  return "?";
}

}  // namespace host
