// Messages reaching the plug-in's handlers through PluginMain, and what comes back.
#include <new>
#include <stdexcept>

#include "PluginHarness.h"

namespace {

class Dispatch : public FrameworkTest {};

std::string WarningFor(const char* caller, const char* selector) {
  return std::string("Warning: Unhandled plugin message: caller \"") + caller + "\" selector \"" + selector + "\"\n";
}

TEST_F(Dispatch, UnhandledMessagesAnswerZeroWithOneWarningLine) {
  ASSERT_EQ(session.start(), kNoErr);
  // Routes this plug-in leaves to the base, now and later.
  const std::pair<const char*, const char*> unhandled[] = {
      {"AI Filter", "AI Go"},                    // a known route
      {kAIToolCaller, "AI Bogus"},               // a known caller, unknown selector
      {"Some Caller", "Some Selector"},          // nobody's
      {"Workspace Manager", "Write Workspace"},  // not the host's spelling
      {kCallerAIAnnotation, "AI Bogus"},         // neither drawing nor invalidation
  };
  for (auto [caller, selector] : unhandled) {
    testing::internal::CaptureStderr();
    AIToolMessage record{};
    EXPECT_EQ(session.send(caller, selector, record), kNoErr) << caller << " / " << selector;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), WarningFor(caller, selector));
  }
  EXPECT_TRUE(Reports::codes.empty());
}

TEST_F(Dispatch, LifeCycleAnswersPurgeAndWorkspaceAreHandledQuietly) {
  Probe& probe = startProbe();
  testing::internal::CaptureStderr();
  EXPECT_EQ(session.start(), kNoErr);
  EXPECT_EQ(session.send(kSPInterfaceCaller, kSPInterfaceAboutSelector), kNoErr);
  EXPECT_EQ(session.send(kSPCacheCaller, kSPPluginPurgeCachesSelector), kNoErr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"Message Startup", "Message About", "Message Plug-in Purge"}));

  // The workspace selectors as the host spells them.
  AIToolMessage record{};
  EXPECT_EQ(session.send("Workspace Manager", "Write Woskspace", record), kNoErr);
  EXPECT_EQ(probe.calls.back(), "WorkspaceWrite");
}

TEST_F(Dispatch, ApplicationStartedRunsPostStartupThenNotifyInsideAContext) {
  Probe& probe = startProbe();
  EXPECT_EQ(session.notify(kAIApplicationStartedNotifier), kNoErr);
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"Message AI Notify", "PostStartupPlugin in 1", "Notify in 1"}));
  EXPECT_EQ(host::shell().plugins.contextDepth(), 0u);

  probe.calls.clear();
  EXPECT_EQ(session.notify(kAIArtSelectionChangedNotifier), kNoErr);
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"Message AI Notify", "Notify in 1"}));
}

TEST_F(Dispatch, AFailingPostStartupSkipsNotifyAndIsReported) {
  Probe& probe = startProbe();
  probe.postStartupResult = ai_fourcc("FLYO");
  EXPECT_EQ(session.notify(kAIApplicationStartedNotifier), ai_fourcc("FLYO"));
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"Message AI Notify", "PostStartupPlugin in 1"}));
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{ai_fourcc("FLYO")});
  EXPECT_EQ(host::shell().plugins.contextDepth(), 0u);
}

TEST_F(Dispatch, ExceptionsInHandlersBecomeResultCodes) {
  Probe& probe = startProbe();
  probe.menuAction = []() -> ASErr { throw ai::Error(ai_fourcc("HOST")); };
  EXPECT_EQ(sendMenu(), ai_fourcc("HOST"));
  probe.menuAction = []() -> ASErr { throw std::bad_alloc(); };
  EXPECT_EQ(sendMenu(), kOutOfMemoryErr);
  probe.menuAction = []() -> ASErr { throw std::runtime_error("anything"); };
  EXPECT_EQ(sendMenu(), kCantHappenErr);
  EXPECT_EQ(Reports::codes, (std::vector<ASErr>{ai_fourcc("HOST"), kOutOfMemoryErr, kCantHappenErr}));
}

TEST_F(Dispatch, ARepeatedCodeIsReportedOnceWithinFiveSeconds) {
  Probe& probe = startProbe();
  const ASErr first = ai_fourcc("ONE!");
  const ASErr second = ai_fourcc("TWO!");
  ASErr code = first;
  probe.menuAction = [&] { return code; };

  // The dispatcher and the entry point both report a failure; the window keeps it to one.
  EXPECT_EQ(sendMenu(), first);
  Reports::now = 1004;
  EXPECT_EQ(sendMenu(), first);  // still returned to the host, not reported
  EXPECT_EQ(Reports::codes, std::vector<ASErr>{first});

  code = second;  // another code resets the window
  EXPECT_EQ(sendMenu(), second);
  code = first;
  EXPECT_EQ(sendMenu(), first);
  EXPECT_EQ(Reports::codes, (std::vector<ASErr>{first, second, first}));

  Reports::now = 1009;  // 1004 + 5: the window has closed
  EXPECT_EQ(sendMenu(), first);
  EXPECT_EQ(Reports::codes, (std::vector<ASErr>{first, second, first, first}));
}

TEST_F(Dispatch, FilteredCodesAreReturnedButNeverReported) {
  Probe& probe = startProbe();
  const ASErr filtered[] = {ai_fourcc("FMT?"), ai_fourcc("RFSE"), ai_fourcc("AFTR"), ai_fourcc("VALD"),
                            ai_fourcc("MOOT"), ai_fourcc("TRSH"), ai_fourcc("CHEK"), ai_fourcc("CHIT"),
                            ai_fourcc("TLTK"), ai_fourcc("pFls"), ai_fourcc("S!Fd"), ai_fourcc("!Acq"),
                            ai_fourcc("dsRP"), ai_fourcc("skpE"), ai_fourcc("DONE"), ai_fourcc("STOP"),
                            361};
  for (ASErr code : filtered) {
    probe.menuAction = [code] { return code; };
    EXPECT_EQ(sendMenu(), code);
    Reports::now += 10;
  }
  EXPECT_TRUE(Reports::codes.empty());
  EXPECT_FALSE(Plugin::FilterError(0x214D454D));  // '!MEM'
  EXPECT_FALSE(Plugin::FilterError(360));
}

}  // namespace
