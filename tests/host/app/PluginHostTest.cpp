// The host driving plug-in modules through PluginMain where the sessions cannot reach:
// messages out of order, unbalanced contexts, and the guides plug-in restarted on a
// preferences file edited between the runs. (The recorder sessions cover the header, the
// globals slot, unloading, access locks and a start-up without the art suite.)
#include "AINotifier.h"
#include "AppFixture.h"
#include "app/Application.h"
#include "app/PluginHost.h"
#include "model/PreferenceStore.h"

using host::PluginHost;
using host::PluginState;

TEST_F(AppTest, AMessageBeforeStartUpIsLoggedAndLeavesTheSlotEmpty) {
  PluginHost recorder(RECORDER_MODULE);
  ASSERT_TRUE(recorder.load());
  AINotifierMessage started{};
  started.type = kAIApplicationStartedNotifier;
  EXPECT_EQ(recorder.send(kAINotifierCaller, kAINotifySelector, started, kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(std::make_tuple(recorder.globals(), recorder.state()), std::make_tuple(nullptr, PluginState::Loaded));
  EXPECT_EQ(occurrences("Recorder.so: out of order: message before start-up (AI Notifier/AI Notify)"), 1u);

  SPInterfaceMessage shutdown{};
  EXPECT_EQ(recorder.send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, shutdown), kNoErr);
  EXPECT_EQ(occurrences("shutdown of a plug-in not started"), 1u);
  EXPECT_EQ(recorder.state(), PluginState::Loaded);
}

TEST_F(AppTest, ContextsMustBeBalancedWithinAMessage) {
  PluginHost recorder(RECORDER_MODULE);
  ASSERT_TRUE(recorder.start());
  SPInterfaceMessage message{};  // of a caller the recorder answers by leaving a context pushed
  EXPECT_EQ(recorder.send("Recorder Test", "Push Without Pop", message), kNoErr);
  EXPECT_EQ(occurrences("Recorder.so: 1 application context(s) left pushed by Recorder Test/Push Without Pop"), 1u);
  EXPECT_EQ(host::shell().plugins.contextDepth(), 0u);
  recorder.shutDown();
}

// Every suite held is given back at each end, notifiers are not registered twice, and the
// restarted plug-in reads the file, not a copy.
TEST_F(AppTest, ARestartStartsTheGuidesPlugInAgainOnThePreferencesOfTheFile) {
  host::Application application({GUIDES_MODULE});
  application.start();
  PluginHost& guides = *application.plugins().front();
  EXPECT_EQ(suitesHeld(), 47);  // 7 basic rows and 40 import rows
  const int32_t notifiers = host::shell().plugins.notifierCount();

  host::PreferenceStore edited;
  edited.open(prefsFile);
  ASSERT_EQ(edited.put("RaltoGuides", "Son", false), kNoErr);
  ASSERT_EQ(edited.save(), host::PreferenceStore::Saving::Saved);
  application.restart();

  EXPECT_EQ(std::make_tuple(guides.state(), guides.globals() != nullptr, host::shell().plugins.notifierCount(),
                            host::shell().plugins.accessCount(guides.ref()), suitesHeld()),
            std::make_tuple(PluginState::ApplicationStarted, true, notifiers, 1, 47));
  EXPECT_EQ(std::get<bool>(*host::shell().preferences.find("RaltoGuides", "Son")), false);
  application.shutdown();
  EXPECT_EQ(std::make_tuple(guides.globals(), suitesHeld(), occurrences("out of order")),
            std::make_tuple(nullptr, 0, 0u));
}
