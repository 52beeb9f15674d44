// What the framework tests share: a host session that keeps the globals slot between
// calls of PluginMain, the report seams (a clock the test moves, the codes reported), and
// a probe plug-in whose handlers record their calls.
#ifndef GUIDES_TESTS_PLUGINHARNESS_H
#define GUIDES_TESTS_PLUGINHARNESS_H

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "Suites.h"

struct HostSession {
  void* globals = nullptr;
  int token = 0;

  SPPluginRef self() { return reinterpret_cast<SPPluginRef>(&token); }
  Plugin* plugin() const { return static_cast<Plugin*>(globals); }

  template <class Record>
  ASErr send(const char* caller, const char* selector, Record& record) {
    record.d = SPMessageData{kSPValidSPMessageData, self(), globals, fakehost::basic()};
    ASErr result = PluginMain(caller, selector, &record);
    globals = record.d.globals;
    return result;
  }
  ASErr send(const char* caller, const char* selector) {
    SPInterfaceMessage record{};
    return send(caller, selector, record);
  }
  ASErr start() { return send(kSPInterfaceCaller, kSPInterfaceStartupSelector); }
  ASErr shutDown() { return send(kSPInterfaceCaller, kSPInterfaceShutdownSelector); }
  ASErr notify(const char* type, const char* selector = kAINotifySelector) {
    AINotifierMessage record{};
    record.type = type;
    return send(kAINotifierCaller, selector, record);
  }
};

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
  ASErr PostStartupPlugin() override {
    calls.push_back("PostStartupPlugin");
    return postStartupResult;
  }
  ASErr Notify(AINotifierMessage*) override {
    calls.push_back("Notify");
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
};

// Every test starts from a new host and leaves nothing held.
class FrameworkTest : public testing::Test {
 protected:
  void SetUp() override {
    fakehost::reset();
    Reports::install();
  }
  void TearDown() override {
    if (session.globals) session.shutDown();
    Plugin::SetReportSeams({});
    EXPECT_EQ(Suites::AcquiredCount(), 0);
    EXPECT_EQ(fakehost::state().acquired.size(), fakehost::state().released.size());
  }

  // A started probe in the globals slot, as if the host had started it.
  Probe& startProbe() {
    sSPBasic = fakehost::basic();
    auto* probe = new (std::nothrow) Probe(session.self());
    EXPECT_EQ(probe->StartupPlugin(nullptr), kNoErr);
    session.globals = probe;
    return *probe;
  }

  ASErr sendMenu() {
    AIMenuMessage record{};
    return session.send(kAIMenuCaller, kAIMenuGoSelector, record);
  }

  HostSession session;
};

#endif
