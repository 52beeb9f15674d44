// What a harness registers with the host reaches the session where the host promises it:
// the state line's parts follow every command of the prompt, the summary's parts sit
// between the click and the alerts, random sessions run the harness's steps and stop at
// the first invariant it finds broken; with no harness the host names no module and has no
// random sessions.
#include <sstream>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/Application.h"
#include "app/HostOptions.h"
#include "session/Prompt.h"
#include "session/RandomSession.h"
#include "session/SessionExtension.h"

namespace {

// Counts the commands the prompt delivered.
class CommandCount : public host::StateLineParts {
 public:
  void afterCommand(const host::Command&, const host::Arguments&, bool delivered) override { count_ += delivered; }
  std::string text() const override { return " | delivered " + std::to_string(count_); }

 private:
  int count_ = 0;
};

class ListedSteps : public host::RandomSteps {
 public:
  std::optional<std::string> next() override { return lines_[next_++ % lines_.size()]; }

 private:
  std::vector<std::string> lines_{"document new 100 100", "rect 0 10 10 0 cadre"};
  size_t next_ = 0;
};

// Its invariant breaks at the third step.
class FakeHarness : public host::SessionExtension {
 public:
  std::unique_ptr<host::StateLineParts> stateLineParts() const override { return std::make_unique<CommandCount>(); }
  std::string summaryParts() const override { return " | harness part"; }
  std::unique_ptr<host::RandomSteps> randomSteps(uint64_t, host::EventLoop&) const override {
    return std::make_unique<ListedSteps>();
  }
  std::string checkStep(const host::StepMark&) const override {
    return ++checks_ == 3 ? "broken" : "";
  }
  mutable int checks_ = 0;
};

class SessionExtensionTest : public AppTest {
 protected:
  void TearDown() override {
    host::registerSessionExtension(nullptr);
    AppTest::TearDown();
  }
  host::Application application{{}};
};

TEST_F(SessionExtensionTest, TheHarnessPartsFollowTheHostsOwnInThePromptAndTheSummary) {
  const FakeHarness harness;
  host::registerSessionExtension(&harness);
  std::istringstream in("document new 100 100\nfrobnicate\nprint summary\n");
  std::ostringstream out;
  host::Prompt(application, in, out, false).run();
  // The unknown command is not counted as delivered; `print summary` is.
  EXPECT_EQ(out.str(),
            "guides-host: one command a line; help lists them, quit ends.\n"
            "state: tool \"Adobe Select Tool\" | no click yet | no document | delivered 0\n"
            "guides> state: tool \"Adobe Select Tool\" | no click yet | 0 guides | delivered 1\n"
            "guides> error: unknown command 'frobnicate'\n"
            "state: tool \"Adobe Select Tool\" | no click yet | 0 guides | delivered 1\n"
            "guides>   no click yet | harness part | alerts none | sounds none\n"
            "state: tool \"Adobe Select Tool\" | no click yet | 0 guides | delivered 2\n"
            "guides> \n");
}

TEST_F(SessionExtensionTest, RandomSessionsRunTheHarnessStepsUntilItsInvariantBreaks) {
  const FakeHarness harness;
  host::registerSessionExtension(&harness);
  host::HostOptions options;
  options.randomSteps = 10;
  options.seed = 7;
  std::ostringstream out, failures;
  EXPECT_EQ(host::runRandomSession(options, out, failures), 1);
  EXPECT_EQ(failures.str().rfind("random session failed at step 3 of seed 7: document new 100 100\n  broken\n", 0), 0u)
      << failures.str();
}

TEST_F(SessionExtensionTest, WithoutAHarnessTheHostNamesNoModuleAndDrawsNoSteps) {
  EXPECT_EQ(host::defaultPluginModule(), std::filesystem::path());
  EXPECT_TRUE(host::modulesToLoad(host::HostOptions{}).empty());
  host::HostOptions options;
  options.randomSteps = 5;
  std::ostringstream out, failures;
  EXPECT_EQ(host::runRandomSession(options, out, failures), 1);
  EXPECT_EQ(failures.str(), "guides-host: --random: no harness registered with this host draws random steps\n");
}

}  // namespace
