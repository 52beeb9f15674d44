// The host driving plug-in modules through PluginMain: the header of every message, the
// globals slot, the life cycle and its out-of-order calls, access locks, and the real
// guides plug-in started, restarted and shut down.
#include "AIArt.h"
#include "AINotifier.h"
#include "AppFixture.h"
#include "app/Application.h"
#include "app/PluginHost.h"
#include "model/PreferenceStore.h"

using host::PluginHost;
using host::PluginState;

namespace {

// A message a plug-in does not know, to check that it is dispatched as it should be.
AIErr sendTest(PluginHost& plugin, const char* selector) {
  SPInterfaceMessage message{};
  return plugin.send("Recorder Test", selector, message);
}

AIErr sendApplicationStarted(PluginHost& plugin) {
  AINotifierMessage message{};
  message.type = kAIApplicationStartedNotifier;
  return plugin.send(kAINotifierCaller, kAINotifySelector, message, kAIApplicationStartedNotifier);
}

}  // namespace

TEST_F(AppTest, TheHeaderIsFilledAndTheGlobalsSlotKeptBetweenCalls) {
  PluginHost recorder(RECORDER_MODULE);
  ASSERT_TRUE(recorder.start());
  EXPECT_NE(recorder.globals(), nullptr);
  // The recorder answers 'HDR!' to a header without check, self or basic suite, or without
  // the globals it stored at start-up.
  EXPECT_EQ(sendTest(recorder, "Anything"), kNoErr);
  recorder.announceApplicationStarted();
  EXPECT_EQ(recorder.state(), PluginState::ApplicationStarted);
  recorder.shutDown();
  EXPECT_EQ(recorder.globals(), nullptr);
  EXPECT_FALSE(recorder.isLoaded());
  EXPECT_TRUE(logged("Recorder.so: unloaded"));
  EXPECT_EQ(errors.str(), "");
}

TEST_F(AppTest, AMessageBeforeStartUpIsLoggedAndLeavesTheSlotEmpty) {
  PluginHost recorder(RECORDER_MODULE);
  ASSERT_TRUE(recorder.load());
  EXPECT_EQ(sendApplicationStarted(recorder), kNoErr);
  EXPECT_EQ(recorder.globals(), nullptr);
  EXPECT_EQ(recorder.state(), PluginState::Loaded);
  EXPECT_EQ(occurrences("Recorder.so: out of order: message before start-up (AI Notifier/AI Notify)"), 1u);

  SPInterfaceMessage shutdown{};
  EXPECT_EQ(recorder.send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, shutdown), kNoErr);
  EXPECT_EQ(occurrences("shutdown of a plug-in not started"), 1u);
  EXPECT_EQ(recorder.state(), PluginState::Loaded);
}

TEST_F(AppTest, ContextsMustBeBalancedWithinAMessage) {
  PluginHost recorder(RECORDER_MODULE);
  ASSERT_TRUE(recorder.start());
  EXPECT_EQ(sendTest(recorder, "Push Without Pop"), kNoErr);
  EXPECT_EQ(occurrences("Recorder.so: 1 application context(s) left pushed by Recorder Test/Push Without Pop"), 1u);
  EXPECT_EQ(host::shell().plugins.contextDepth(), 0u);
  EXPECT_EQ(sendTest(recorder, "Pop Without Push"), kBadParameterErr);
  EXPECT_EQ(occurrences("unbalanced application context pop refused"), 1u);
  recorder.shutDown();
}

TEST_F(AppTest, ALockedPlugInIsNeverUnloaded) {
  PluginHost locked(LOCKED_RECORDER_MODULE);
  ASSERT_TRUE(locked.start());
  EXPECT_EQ(host::shell().plugins.accessCount(locked.ref()), 1);
  locked.shutDown();
  EXPECT_TRUE(locked.isLoaded());
  EXPECT_TRUE(logged("LockedRecorder.so: stays loaded, it holds an access lock"));
  // The lock belonged to the instance that shut down; the next one takes its own.
  ASSERT_TRUE(locked.start());
  EXPECT_EQ(host::shell().plugins.accessCount(locked.ref()), 1);
  locked.shutDown();
}

TEST_F(AppTest, TheGuidesPlugInStartsWithEverySuiteItsLockAndTheFirstLaunchKeys) {
  host::shell().log.setTracing(true);
  host::Application application({GUIDES_MODULE});
  application.start();
  PluginHost& guides = *application.plugins().front();
  EXPECT_EQ(guides.state(), PluginState::ApplicationStarted);
  EXPECT_NE(guides.globals(), nullptr);
  EXPECT_EQ(host::shell().plugins.accessCount(guides.ref()), 1);
  EXPECT_EQ(suitesHeld(), 47);  // 7 basic rows and 40 import rows
  EXPECT_EQ(occurrences("message AI Notifier/AI Notify [AI Application Started Notifier] to Guides.so -> 0"), 1u);

  host::PreferenceStore file;
  ASSERT_TRUE(file.open(prefsFile).problem.empty());
  for (const char* key : {"PanneauVisible", "OutilsGroupe", "Son", "TousPlans", "Verrouille", "NbrSets",
                          "kADM_DPVisibleStr"})
    EXPECT_NE(file.find("RaltoGuides", key), nullptr) << key;
  EXPECT_EQ(std::get<int32_t>(*file.find("RaltoGuides", "NbrSets")), 0);

  application.shutdown();
  EXPECT_EQ(guides.state(), PluginState::ShutDown);
  EXPECT_EQ(guides.globals(), nullptr);
  EXPECT_EQ(suitesHeld(), 0);
  EXPECT_TRUE(logged("Guides.so: stays loaded, it holds an access lock"));
  EXPECT_EQ(occurrences("out of order"), 0u);
}

TEST_F(AppTest, ARestartStartsTheGuidesPlugInAgainOnThePreferencesOfTheFile) {
  host::Application application({GUIDES_MODULE});
  application.start();
  PluginHost& guides = *application.plugins().front();
  const int32_t notifiers = host::shell().plugins.notifierCount();

  // Between the runs someone edits the file: the restarted plug-in reads it, not a copy.
  host::PreferenceStore edited;
  edited.open(prefsFile);
  ASSERT_EQ(edited.put("RaltoGuides", "Son", false), kNoErr);
  ASSERT_EQ(edited.save(), host::PreferenceStore::Saving::Saved);
  application.restart();

  EXPECT_EQ(guides.state(), PluginState::ApplicationStarted);
  EXPECT_NE(guides.globals(), nullptr);
  EXPECT_EQ(host::shell().plugins.notifierCount(), notifiers);
  EXPECT_EQ(host::shell().plugins.accessCount(guides.ref()), 1);
  EXPECT_EQ(suitesHeld(), 47);
  EXPECT_EQ(std::get<bool>(*host::shell().preferences.find("RaltoGuides", "Son")), false);
  application.shutdown();
  EXPECT_EQ(suitesHeld(), 0);
}

TEST_F(AppTest, AMessageBeforeStartUpDoesNotStartTheGuidesPlugIn) {
  PluginHost guides(GUIDES_MODULE);
  ASSERT_TRUE(guides.load());
  EXPECT_EQ(sendApplicationStarted(guides), kNoErr);
  EXPECT_EQ(guides.globals(), nullptr);
  EXPECT_EQ(host::shell().suites.totalAcquired(), 0);
  EXPECT_EQ(occurrences("Guides.so: out of order: message before start-up"), 1u);
  ASSERT_TRUE(guides.start());
  guides.shutDown();
}

TEST_F(AppTest, WithoutTheArtSuiteStartUpFailsAndEverySuiteAcquiredIsReleased) {
  host::shell().suites.withhold(kAIArtSuite);
  PluginHost guides(GUIDES_MODULE);
  EXPECT_FALSE(guides.start());
  EXPECT_EQ(occurrences("Guides.so: start-up failed with 'S!Fd': AI Art Suite 1016 is not available\n"), 1u);
  EXPECT_EQ(host::shell().suites.totalAcquired(), 13);  // the 7 basic rows, 6 import rows before Art
  EXPECT_EQ(suitesHeld(), 0);
  EXPECT_EQ(guides.globals(), nullptr);
  EXPECT_EQ(host::shell().plugins.notifierCount(), 0);
}
