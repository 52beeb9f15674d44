// The life-cycle rules the host checks every message against. (The recorder sessions
// would log any message of theirs classified out of order.)
#include <gtest/gtest.h>

#include "AINotifier.h"
#include "app/LifeCycle.h"

using host::MessageKind;
using host::PluginState;

// Whether each kind of message is in order in each state: a row a state (loaded, started,
// application started, shut down), a column a kind (start-up, application started, any
// other message, shutdown), '1' for in order.
TEST(LifeCycle, OnlyTheStepsInOrderPassUnremarked) {
  using enum PluginState;
  const PluginState states[] = {Loaded, Started, ApplicationStarted, ShutDown};
  const MessageKind kinds[] = {MessageKind::Startup, MessageKind::ApplicationStarted, MessageKind::Other,
                               MessageKind::Shutdown};
  const char* const inOrder[] = {"1000", "0111", "0011", "1000"};
  for (int s = 0; s < 4; ++s)
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(host::outOfOrder(states[s], kinds[k]) == nullptr, inOrder[s][k] == '1')
          << host::stateName(states[s]) << " / kind " << k;
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
