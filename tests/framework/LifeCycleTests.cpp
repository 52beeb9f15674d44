// Start-up, shutdown, unload and reload as the host drives them through PluginMain.
#include <cstring>

#include "PluginHarness.h"

namespace {

using fakehost::state;

class LifeCycle : public FrameworkTest {};

GuidesPlugIn& Guides(const HostSession& session) { return *static_cast<GuidesPlugIn*>(session.plugin()); }

std::string NameOf(Plugin& plugin) {
  char name[Plugin::kMaxStringLength];
  plugin.GetPluginName(name, sizeof name);
  return name;
}

TEST_F(LifeCycle, MessagesBeforeStartupAreNotDispatched) {
  testing::internal::CaptureStderr();
  AIToolMessage tool{};
  EXPECT_EQ(session.send(kAIToolCaller, kSelectorAIToolMouseDown, tool), kNoErr);
  EXPECT_EQ(session.notify(kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(session.shutDown(), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_TRUE(state().acquired.empty());
  EXPECT_TRUE(Reports::codes.empty());
}

TEST_F(LifeCycle, StartupHoldsSuitesNamesLocksAndRegistersTheStartedNotifier) {
  testing::internal::CaptureStderr();
  ASSERT_EQ(session.start(), kNoErr);
  // The start-up call also reaches the dispatcher, which answers it without a warning.
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_NE(session.plugin(), nullptr);
  EXPECT_TRUE(session.plugin()->SuitesAcquired());
  EXPECT_EQ(session.plugin()->GetPluginRef(), session.self());
  EXPECT_EQ(NameOf(*session.plugin()), "Guides");
  EXPECT_EQ(state().pluginName, "Guides");
  // The framework's own notifier comes first, before the plug-in's four.
  ASSERT_EQ(state().notifiers.size(), 5u);
  EXPECT_EQ(state().notifiers[0].first, "Guides App Started Notifier");
  EXPECT_EQ(state().notifiers[0].second, kAIApplicationStartedNotifier);
  EXPECT_EQ(state().tools, std::vector<std::string>{"Outil Guides"});
  EXPECT_EQ(state().locks, 1);
  EXPECT_EQ(state().optionsWritten, std::vector<int32_t>{0x5a});
  // The stored options were read: a fresh store got its first-launch keys.
  bool tousPlans = true;
  EXPECT_TRUE(fakehost::pref("TousPlans", tousPlans));
  EXPECT_FALSE(tousPlans);
}

// The menus' start-up step holds the menu suite for that step only: it comes and goes
// during start-up. What remains is the suite tables, held until shutdown.
TEST_F(LifeCycle, ShutdownReleasesEverySuiteInOrderAndEmptiesTheSlot) {
  ASSERT_EQ(session.start(), kNoErr);
  ASSERT_EQ(state().released, std::vector<std::string>{kAIMenuSuite});
  std::vector<std::string> tables = state().acquired;
  ASSERT_EQ(tables.back(), kAIMenuSuite);
  tables.pop_back();
  EXPECT_EQ(session.shutDown(), kNoErr);
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_EQ(std::vector<std::string>(state().released.begin() + 1, state().released.end()), tables);
  EXPECT_EQ(sSPAccess, nullptr);
  EXPECT_EQ(sAIPreference, nullptr);
  EXPECT_EQ(sAIArtboard, nullptr);
}

TEST_F(LifeCycle, UnloadReleasesTheSuitesAndStopsDispatchUntilReload) {
  ASSERT_EQ(session.start(), kNoErr);
  // Start-up also held the menu suite for its menus step, and gave it back.
  const size_t acquiredAtStart = state().acquired.size() - 1;
  SPAccessMessage access{};
  EXPECT_EQ(session.send(kSPAccessCaller, kSPAccessUnloadSelector, access), kNoErr);
  EXPECT_FALSE(session.plugin()->SuitesAcquired());
  EXPECT_EQ(state().released.size(), acquiredAtStart + 1);

  // Were it dispatched, this unhandled message would print its warning.
  testing::internal::CaptureStderr();
  EXPECT_EQ(session.send("AI Filter", "AI Go"), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  EXPECT_EQ(session.send(kSPAccessCaller, kSPAccessReloadSelector, access), kNoErr);
  EXPECT_TRUE(session.plugin()->SuitesAcquired());
  EXPECT_EQ(state().acquired.size(), 2 * acquiredAtStart + 1);
}

TEST_F(LifeCycle, ReloadKeepsEveryFieldAndAWorkingVirtualTable) {
  ASSERT_EQ(session.start(), kNoErr);
  GuidesPlugIn& before = Guides(session);
  int tokens[9];
  before.fAboutMenuItem = reinterpret_cast<AIMenuItemHandle>(&tokens[0]);
  before.fShowHideMenuItem = reinterpret_cast<AIMenuItemHandle>(&tokens[1]);
  before.fInvalRect = {1, 2, 3, 4};
  before.fAnnotator = reinterpret_cast<AIAnnotatorHandle>(&tokens[2]);
  before.fShutdownNotifier = reinterpret_cast<AINotifierHandle>(&tokens[3]);
  before.fSelectionNotifier = reinterpret_cast<AINotifierHandle>(&tokens[4]);
  before.fBrightnessNotifier = reinterpret_cast<AINotifierHandle>(&tokens[5]);
  before.fRulerUnitNotifier = reinterpret_cast<AINotifierHandle>(&tokens[6]);
  before.fCursorManager = reinterpret_cast<AIResourceManagerHandle>(&tokens[7]);
  const ASErr code = ai_fourcc("BOOM");
  before.ReportError(code, "caller", "selector", nullptr);  // opens a repeat window at 1000
  const size_t acquiredAtStart = state().acquired.size();

  SPAccessMessage access{};
  ASSERT_EQ(session.send(kSPAccessCaller, kSPAccessReloadSelector, access), kNoErr);
  GuidesPlugIn& after = Guides(session);
  EXPECT_EQ(after.fAboutMenuItem, reinterpret_cast<AIMenuItemHandle>(&tokens[0]));
  EXPECT_EQ(after.fShowHideMenuItem, reinterpret_cast<AIMenuItemHandle>(&tokens[1]));
  EXPECT_EQ(after.fInvalRect.left, 1);
  EXPECT_EQ(after.fInvalRect.top, 2);
  EXPECT_EQ(after.fInvalRect.right, 3);
  EXPECT_EQ(after.fInvalRect.bottom, 4);
  EXPECT_EQ(after.fAnnotator, reinterpret_cast<AIAnnotatorHandle>(&tokens[2]));
  EXPECT_EQ(after.fShutdownNotifier, reinterpret_cast<AINotifierHandle>(&tokens[3]));
  EXPECT_EQ(after.fSelectionNotifier, reinterpret_cast<AINotifierHandle>(&tokens[4]));
  EXPECT_EQ(after.fBrightnessNotifier, reinterpret_cast<AINotifierHandle>(&tokens[5]));
  EXPECT_EQ(after.fRulerUnitNotifier, reinterpret_cast<AINotifierHandle>(&tokens[6]));
  EXPECT_EQ(after.fCursorManager, reinterpret_cast<AIResourceManagerHandle>(&tokens[7]));

  // Reference, name and suites (held, so not acquired again).
  EXPECT_EQ(after.GetPluginRef(), session.self());
  EXPECT_EQ(NameOf(after), "Guides");
  EXPECT_TRUE(after.SuitesAcquired());
  EXPECT_EQ(state().acquired.size(), acquiredAtStart);

  // The repeat window: last code, its time, the timeout and the suppression all survived.
  Reports::now = 1004;
  after.ReportError(code, "caller", "selector", nullptr);
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{code});
  Reports::now = 1005;
  after.ReportError(code, "caller", "selector", nullptr);
  EXPECT_EQ(Reports::codes, (std::vector<ASErr>{code, code}));

  // The lock: unlocking gives back the very access reference taken at start-up.
  EXPECT_EQ(after.LockPlugin(false), kNoErr);
  EXPECT_EQ(state().unlocks, 1);
  EXPECT_EQ(state().releasedAccess, fakehost::accessRef());

  // Virtual calls go through the new table to the handlers.
  testing::internal::CaptureStderr();
  EXPECT_EQ(session.send("AI Filter", "AI Go"), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning: Unhandled plugin message: caller \"AI Filter\" selector \"AI Go\"\n");
}

TEST_F(LifeCycle, AMissingSuiteFailsStartupAndReleasesWhatWasAcquired) {
  state().refusedSuite = kAIPreferenceSuite;
  state().refusal = kBadSuiteVersionErr;
  EXPECT_EQ(session.start(), kBadSuiteVersionErr);
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_FALSE(state().acquired.empty());
  EXPECT_EQ(state().released, state().acquired);
  EXPECT_EQ(sSPAccess, nullptr);
  EXPECT_EQ(sAIArt, nullptr);
  EXPECT_EQ(sAIPreference, nullptr);
  EXPECT_EQ(state().locks, 0);
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{kBadSuiteVersionErr});

  // Nothing is dispatched afterwards.
  testing::internal::CaptureStderr();
  EXPECT_EQ(session.send("AI Filter", "AI Go"), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(LifeCycle, AStartupFailingAfterTheLockGivesTheLockBack) {
  state().optionsError = ai_fourcc("OPT!");
  EXPECT_EQ(session.start(), ai_fourcc("OPT!"));
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_EQ(state().locks, 1);
  EXPECT_EQ(state().unlocks, 1);
  EXPECT_EQ(state().released, state().acquired);
}

TEST_F(LifeCycle, ARepeatedStartupKeepsTheOneObject) {
  ASSERT_EQ(session.start(), kNoErr);
  Plugin* first = session.plugin();
  const size_t acquiredAtStart = state().acquired.size();
  EXPECT_EQ(session.start(), kNoErr);
  EXPECT_EQ(session.plugin(), first);
  EXPECT_EQ(state().acquired.size(), acquiredAtStart);
}

TEST_F(LifeCycle, MalformedCallsAreRefused) {
  SPInterfaceMessage record{};
  EXPECT_EQ(PluginMain(nullptr, kSPInterfaceStartupSelector, &record), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, nullptr, &record), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kBadParameterErr);
  EXPECT_EQ(record.d.globals, nullptr);
}

}  // namespace
