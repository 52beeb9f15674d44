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
  EXPECT_EQ(host::stateAfter(PluginState::Loaded, MessageKind::Startup, kNoErr), PluginState::Started);
  EXPECT_EQ(host::stateAfter(PluginState::Loaded, MessageKind::Startup, kSuiteNotFoundErr), PluginState::Loaded);
  EXPECT_EQ(host::stateAfter(PluginState::ShutDown, MessageKind::Startup, kNoErr), PluginState::Started);
  EXPECT_EQ(host::stateAfter(PluginState::Started, MessageKind::ApplicationStarted, kCantHappenErr),
            PluginState::ApplicationStarted);
  EXPECT_EQ(host::stateAfter(PluginState::ApplicationStarted, MessageKind::Shutdown, kCantHappenErr),
            PluginState::ShutDown);
  EXPECT_EQ(host::stateAfter(PluginState::Loaded, MessageKind::ApplicationStarted, kNoErr), PluginState::Loaded);
  EXPECT_EQ(host::stateAfter(PluginState::Loaded, MessageKind::Shutdown, kNoErr), PluginState::Loaded);
}
