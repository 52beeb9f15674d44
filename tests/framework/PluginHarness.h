// What the framework tests share: the plug-in in a session over the simulated host, the
// report seams (a clock the test moves, the codes reported), and a probe plug-in whose
// handlers record their calls.
#ifndef GUIDES_TESTS_PLUGINHARNESS_H
#define GUIDES_TESTS_PLUGINHARNESS_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "PluginSession.h"
#include "Suites.h"

struct Reports {
  static inline int64_t now = 1000;
  static inline std::vector<ASErr> codes;

  static void install() {
    now = 1000;
    codes.clear();
    Plugin::SetReportSeams({[] { return now; }, [](SPPluginRef, ASErr code) { codes.push_back(code); }});
  }
};

class Probe : public GuidesPlugIn {
 public:
  using GuidesPlugIn::GuidesPlugIn;

  std::vector<std::string> calls;
  ASErr postStartupResult = kNoErr;
  std::function<ASErr()> menuAction = [] { return ASErr{kNoErr}; };

  ASErr Message(const char* caller, const char* selector, void* message) override {
    calls.push_back(std::string("Message ") + selector);
    return GuidesPlugIn::Message(caller, selector, message);
  }
  // The application contexts pushed around each call are part of what it records.
  ASErr PostStartupPlugin() override {
    calls.push_back("PostStartupPlugin in " + Contexts());
    return postStartupResult;
  }
  ASErr Notify(AINotifierMessage*) override {
    calls.push_back("Notify in " + Contexts());
    return kNoErr;
  }
  ASErr GoMenuItem(AIMenuMessage*) override {
    calls.push_back("GoMenuItem");
    return menuAction();
  }
  ASErr WorkspaceWrite(void*) override {
    calls.push_back("WorkspaceWrite");
    return kNoErr;
  }

 private:
  static std::string Contexts() { return std::to_string(host::shell().plugins.contextDepth()); }
};

using Session = testhost::PluginSession;

// Every test starts from a new host and leaves nothing held.
class FrameworkTest : public testing::Test {
 protected:
  void SetUp() override { Reports::install(); }
  void TearDown() override {
    if (session.globals) session.shutDown();
    Plugin::SetReportSeams({});
    EXPECT_EQ(Suites::AcquiredCount(), 0);
    EXPECT_EQ(host::shell().suites.totalAcquired(), host::shell().suites.totalReleased());
  }

  // A started probe in the globals slot, as if the host had started it.
  Probe& startProbe() {
    session.enroll();
    sSPBasic = &session.basic;
    auto* probe = new (std::nothrow) Probe(session.self());
    EXPECT_EQ(probe->StartupPlugin(nullptr), kNoErr);
    session.globals = probe;
    return *probe;
  }

  ASErr sendMenu() {
    AIMenuMessage record{};
    return session.send(kAIMenuCaller, kAIMenuGoSelector, record);
  }

  Session session;
};

#endif
