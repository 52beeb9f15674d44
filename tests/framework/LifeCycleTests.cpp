// Start-up, shutdown, unload and reload as the host drives them through PluginMain.
#include <tuple>

#include "PluginHarness.h"

namespace {

using host::shell;

class LifeCycle : public FrameworkTest {
 protected:
  // Nothing is dispatched: an unhandled message would print its warning.
  static void ExpectNoDispatch(Session& session) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(session.send("AI Filter", "AI Go"), kNoErr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  }
  int32_t Locks() const { return shell().plugins.accessCount(session.ref); }
};

GuidesPlugIn& Guides(const Session& session) { return *static_cast<GuidesPlugIn*>(session.globals); }

std::string NameOf(Plugin& plugin) {
  char name[Plugin::kMaxStringLength];
  plugin.GetPluginName(name, sizeof name);
  return name;
}

TEST_F(LifeCycle, MessagesBeforeStartupAreNotDispatched) {
  session.enroll();
  testing::internal::CaptureStderr();
  AIToolMessage tool{};
  EXPECT_EQ(session.send(kAIToolCaller, kSelectorAIToolMouseDown, tool), kNoErr);
  EXPECT_EQ(session.notify(kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(session.shutDown(), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(std::tuple(session.globals, Session::acquired.size(), Reports::codes.size()), std::tuple(nullptr, 0u, 0u));
}

TEST_F(LifeCycle, StartupHoldsSuitesNamesLocksAndRegistersTheStartedNotifier) {
  session.enroll();
  session.record().options = 0x5a;
  testing::internal::CaptureStderr();
  ASSERT_EQ(session.start(), kNoErr);
  // The start-up call also reaches the dispatcher, which answers it without a warning.
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  Plugin& plugin = Guides(session);
  EXPECT_TRUE(plugin.SuitesAcquired());
  EXPECT_EQ(std::tuple(plugin.GetPluginRef(), NameOf(plugin), session.record().name),
            std::tuple(session.self(), "Guides", "Guides"));
  const auto started = shell().plugins.notifiersOf(session.ref, kAIApplicationStartedNotifier);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(shell().plugins.notifier(started[0])->name, "Guides App Started Notifier");
  EXPECT_EQ(shell().plugins.notifierCount(), 5);
  EXPECT_EQ(shell().ui.tools.find(shell().ui.toolNamed("Outil Guides"))->plugin, session.ref);
  EXPECT_EQ(Locks(), 1);
  EXPECT_EQ(session.record().options, 0x5a);
  // The stored options were read: a fresh store got its first-launch keys.
  const auto* tousPlans = shell().preferences.find("RaltoGuides", "TousPlans");
  ASSERT_NE(tousPlans, nullptr);
  EXPECT_EQ(*tousPlans, host::PreferenceStore::Value{false});
  // A repeated start-up keeps the one object and acquires nothing more.
  const size_t acquiredAtStart = Session::acquired.size();
  EXPECT_EQ(session.start(), kNoErr);
  EXPECT_EQ(std::tuple(&Guides(session), Session::acquired.size()), std::tuple(&plugin, acquiredAtStart));
}

// The menus' start-up step holds the menu suite for that step only: it comes and goes
// during start-up. What remains is the suite tables, held until shutdown.
TEST_F(LifeCycle, ShutdownReleasesEverySuiteInOrderAndEmptiesTheSlot) {
  ASSERT_EQ(session.start(), kNoErr);
  ASSERT_EQ(Session::released, std::vector<std::string>{kAIMenuSuite});
  std::vector<std::string> tables = Session::acquired;
  ASSERT_EQ(tables.back(), kAIMenuSuite);
  tables.pop_back();
  EXPECT_EQ(session.shutDown(), kNoErr);
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_EQ(std::vector<std::string>(Session::released.begin() + 1, Session::released.end()), tables);
  EXPECT_EQ(std::tuple(sSPAccess, sAIPreference, sAIArtboard), std::tuple(nullptr, nullptr, nullptr));
}

TEST_F(LifeCycle, UnloadReleasesTheSuitesAndStopsDispatchUntilReload) {
  ASSERT_EQ(session.start(), kNoErr);
  // Start-up also held the menu suite for its menus step, and gave it back.
  const size_t acquiredAtStart = Session::acquired.size() - 1;
  SPAccessMessage access{};
  EXPECT_EQ(session.send(kSPAccessCaller, kSPAccessUnloadSelector, access), kNoErr);
  EXPECT_FALSE(Guides(session).SuitesAcquired());
  EXPECT_EQ(Session::released.size(), acquiredAtStart + 1);
  ExpectNoDispatch(session);

  EXPECT_EQ(session.send(kSPAccessCaller, kSPAccessReloadSelector, access), kNoErr);
  EXPECT_TRUE(Guides(session).SuitesAcquired());
  EXPECT_EQ(Session::acquired.size(), 2 * acquiredAtStart + 1);
}

TEST_F(LifeCycle, ReloadKeepsEveryFieldAndAWorkingVirtualTable) {
  ASSERT_EQ(session.start(), kNoErr);
  GuidesPlugIn& before = Guides(session);
  // Every handle the plug-in keeps, set to tokens of the test's own; the host's are put back
  // before shutdown, which gives them to the host.
  auto poignees = [](GuidesPlugIn& p) {
    return std::tie(p.fAboutMenuItem, p.fShowHideMenuItem, p.fAnnotator, p.fShutdownNotifier, p.fSelectionNotifier,
                    p.fBrightnessNotifier, p.fRulerUnitNotifier, p.fCursorManager);
  };
  const auto kept = std::apply([](auto... poignee) { return std::tuple(poignee...); }, poignees(before));
  int t[8];
  const auto jetons = std::tuple(reinterpret_cast<AIMenuItemHandle>(&t[0]), reinterpret_cast<AIMenuItemHandle>(&t[1]),
                                 reinterpret_cast<AIAnnotatorHandle>(&t[2]), reinterpret_cast<AINotifierHandle>(&t[3]),
                                 reinterpret_cast<AINotifierHandle>(&t[4]), reinterpret_cast<AINotifierHandle>(&t[5]),
                                 reinterpret_cast<AINotifierHandle>(&t[6]),
                                 reinterpret_cast<AIResourceManagerHandle>(&t[7]));
  poignees(before) = jetons;
  before.fInvalRect = {1, 2, 3, 4};
  const ASErr code = ai_fourcc("BOOM");
  before.ReportError(code, "caller", "selector", nullptr);  // opens a repeat window at 1000
  const size_t acquiredAtStart = Session::acquired.size();

  SPAccessMessage access{};
  ASSERT_EQ(session.send(kSPAccessCaller, kSPAccessReloadSelector, access), kNoErr);
  GuidesPlugIn& after = Guides(session);
  EXPECT_EQ(poignees(after), jetons);
  const AIRect& r = after.fInvalRect;
  EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom), std::tuple(1, 2, 3, 4));

  // Reference, name and suites (held, so not acquired again).
  EXPECT_EQ(after.GetPluginRef(), session.self());
  EXPECT_EQ(NameOf(after), "Guides");
  EXPECT_TRUE(after.SuitesAcquired());
  EXPECT_EQ(Session::acquired.size(), acquiredAtStart);

  // The repeat window: last code, its time, the timeout and the suppression all survived.
  Reports::now = 1004;
  after.ReportError(code, "caller", "selector", nullptr);
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{code});
  Reports::now = 1005;
  after.ReportError(code, "caller", "selector", nullptr);
  EXPECT_EQ(Reports::codes, (std::vector<ASErr>{code, code}));

  // The lock: unlocking gives back the very access reference taken at start-up, which the
  // host would refuse were it another.
  ASSERT_EQ(Locks(), 1);
  EXPECT_EQ(after.LockPlugin(false), kNoErr);
  EXPECT_EQ(Locks(), 0);

  // Virtual calls go through the new table to the handlers.
  testing::internal::CaptureStderr();
  EXPECT_EQ(session.send("AI Filter", "AI Go"), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Warning: Unhandled plugin message: caller \"AI Filter\" selector \"AI Go\"\n");
  poignees(after) = kept;
}

TEST_F(LifeCycle, AMissingSuiteFailsStartupAndReleasesWhatWasAcquired) {
  Session::refused[kAIPreferenceSuite] = kBadSuiteVersionErr;
  EXPECT_EQ(session.start(), kBadSuiteVersionErr);
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_FALSE(Session::acquired.empty());
  EXPECT_EQ(Session::released, Session::acquired);
  EXPECT_EQ(std::tuple(sSPAccess, sAIArt, sAIPreference, Locks()), std::tuple(nullptr, nullptr, nullptr, 0));
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{kBadSuiteVersionErr});
  ExpectNoDispatch(session);
}

// The options are read after the lock is taken: a failure there gives the lock back.
int32_t gLocksWhenOptionsRead = -1;

TEST_F(LifeCycle, AStartupFailingAfterTheLockGivesTheLockBack) {
  static AIPluginSuite failing;
  failing = *testhost::suite<AIPluginSuite>(kAIPluginSuite, kAIPluginSuiteVersion);
  failing.GetPluginOptions = [](SPPluginRef plugin, int32_t*) -> AIErr {
    gLocksWhenOptionsRead = shell().plugins.accessCount(host::fromHandle(plugin));
    return ai_fourcc("OPT!");
  };
  Session::replaced[kAIPluginSuite] = &failing;
  EXPECT_EQ(session.start(), ai_fourcc("OPT!"));
  EXPECT_EQ(session.globals, nullptr);
  EXPECT_EQ(gLocksWhenOptionsRead, 1);
  EXPECT_EQ(Locks(), 0);
  EXPECT_EQ(Session::released, Session::acquired);
}

TEST_F(LifeCycle, MalformedCallsAreRefused) {
  SPInterfaceMessage record{};
  EXPECT_EQ(PluginMain(nullptr, kSPInterfaceStartupSelector, &record), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, nullptr, &record), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kBadParameterErr);
  EXPECT_EQ(record.d.globals, nullptr);
}

}  // namespace
