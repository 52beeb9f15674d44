// What a harness registers with the host reaches the session where the host promises it:
// random sessions run the harness's steps and stop at the first invariant it finds broken;
// with no harness the host names no module and has no random sessions. (The prompt's
// sessions show the harness's parts of the state line and the summary.)
#include <sstream>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "session/HostOptions.h"
#include "session/RandomSession.h"
#include "session/SessionExtension.h"

namespace {

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
  std::unique_ptr<host::RandomSteps> randomSteps(uint64_t, host::EventLoop&) const override {
    return std::make_unique<ListedSteps>();
  }
  std::string checkStep(const host::StepMark&) const override { return ++checks_ == 3 ? "broken" : ""; }
  mutable int checks_ = 0;
};

class SessionExtensionTest : public AppTest {
 protected:
  void TearDown() override {
    host::registerSessionExtension(nullptr);
    AppTest::TearDown();
  }
  // The status of a random session of five steps, and what it wrote on failing.
  int runRandom(std::string* failures) {
    host::HostOptions options;
    options.randomSteps = 5;
    options.seed = 7;
    std::ostringstream out, said;
    const int status = host::runRandomSession(options, out, said);
    *failures = said.str();
    return status;
  }
};

TEST_F(SessionExtensionTest, RandomSessionsRunTheHarnessStepsUntilItsInvariantBreaks) {
  std::string failures;
  EXPECT_EQ(runRandom(&failures), 1);
  EXPECT_EQ(failures, "guides-host: --random: no harness registered with this host draws random steps\n");
  EXPECT_EQ(host::defaultPluginModule(), std::filesystem::path());
  EXPECT_TRUE(host::modulesToLoad(host::HostOptions{}).empty());

  const FakeHarness harness;
  host::registerSessionExtension(&harness);
  EXPECT_EQ(runRandom(&failures), 1);
  EXPECT_EQ(failures.rfind("random session failed at step 3 of seed 7: document new 100 100\n  broken\n", 0), 0u)
      << failures;
}

}  // namespace
