// The life-cycle rules the host checks every message against. (The recorder sessions
// would log any message of theirs classified out of order.)
#include <gtest/gtest.h>

#include "AINotifier.h"
#include "app/LifeCycle.h"

using host::MessageKind;
using host::PluginState;

TEST(LifeCycle, OnlyTheStepsInOrderPassUnremarked) {
  struct Case {
    PluginState state;
    MessageKind kind;
    bool inOrder;
  };
  const Case cases[] = {
      {PluginState::Loaded, MessageKind::Startup, true},
      {PluginState::Loaded, MessageKind::ApplicationStarted, false},
      {PluginState::Loaded, MessageKind::Other, false},
      {PluginState::Loaded, MessageKind::Shutdown, false},
      {PluginState::Started, MessageKind::Startup, false},
      {PluginState::Started, MessageKind::ApplicationStarted, true},
      {PluginState::Started, MessageKind::Other, true},
      {PluginState::Started, MessageKind::Shutdown, true},
      {PluginState::ApplicationStarted, MessageKind::ApplicationStarted, false},
      {PluginState::ApplicationStarted, MessageKind::Other, true},
      {PluginState::ApplicationStarted, MessageKind::Shutdown, true},
      {PluginState::ShutDown, MessageKind::Startup, true},
      {PluginState::ShutDown, MessageKind::Other, false},
      {PluginState::ShutDown, MessageKind::Shutdown, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(host::stateName(c.state)) + " / " + std::to_string(static_cast<int>(c.kind)));
    EXPECT_EQ(host::outOfOrder(c.state, c.kind) == nullptr, c.inOrder);
  }
}

TEST(LifeCycle, AFailedStartUpLeavesThePlugInLoadedAndOtherResultsChangeNoStep) {
  using enum PluginState;
  const std::tuple<PluginState, MessageKind, AIErr, PluginState> cases[] = {
      {Loaded, MessageKind::Startup, kNoErr, Started},
      {Loaded, MessageKind::Startup, kSuiteNotFoundErr, Loaded},
      {ShutDown, MessageKind::Startup, kNoErr, Started},
      {Started, MessageKind::ApplicationStarted, kCantHappenErr, ApplicationStarted},
      {ApplicationStarted, MessageKind::Shutdown, kCantHappenErr, ShutDown},
      {Loaded, MessageKind::ApplicationStarted, kNoErr, Loaded},
      {Loaded, MessageKind::Shutdown, kNoErr, Loaded},
  };
  for (const auto& [state, kind, result, after] : cases)
    EXPECT_EQ(host::stateAfter(state, kind, result), after) << host::stateName(state) << " " << result;
}
