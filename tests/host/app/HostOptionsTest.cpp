// The command line as people get it wrong: an empty preferences path, seeds that are not
// unsigned 64-bit numbers, random-session options without --random; each is refused with
// its reason and status 2, and --help tells the statuses the host really ends with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/HostOptions.h"

namespace {

struct Outcome {
  std::optional<int> status;
  std::string said;  // standard output and standard error
  host::HostOptions options;
};

Outcome parse(std::vector<std::string> words) {
  words.insert(words.begin(), "guides-host");
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  Outcome outcome;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  outcome.status = host::parseOptions(static_cast<int>(argv.size()), argv.data(), &outcome.options);
  outcome.said = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
  return outcome;
}

}  // namespace

TEST(HostOptions, AnEmptyPreferencesPathIsRefused) {
  const Outcome empty = parse({"--prefs", "", "script"});
  EXPECT_EQ(empty.status, 2);
  EXPECT_NE(empty.said.find("an empty path names no file"), std::string::npos) << empty.said;
  EXPECT_EQ(parse({"--prefs", "p.json", "script"}).options.preferences, "p.json");
}

TEST(HostOptions, TheSeedIsAnUnsigned64BitNumberAndNothingElse) {
  const Outcome largest = parse({"--random", "1", "--seed", "18446744073709551615"});
  EXPECT_EQ(largest.status, std::nullopt);
  EXPECT_EQ(largest.options.seed, 18446744073709551615u);
  EXPECT_EQ(parse({"--random", "1", "--seed", "0"}).options.seed, 0u);
  for (const char* wrong : {"-1", "18446744073709551616", "0x10", "+5", "1e3", " 5", "5 ", "", "seize"}) {
    const Outcome refused = parse({"--random", "1", "--seed", wrong});
    EXPECT_EQ(refused.status, 2) << wrong;
    EXPECT_NE(refused.said.find("is not a whole number from 0 to 18446744073709551615"), std::string::npos)
        << wrong << ": " << refused.said;
  }
}

TEST(HostOptions, TheRandomSessionsOptionsNeedARandomSession) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--seed", "5"}, std::vector<std::string>{"--steps"}}) {
    const Outcome refused = parse(words);
    EXPECT_EQ(refused.status, 2) << words[0];
    EXPECT_NE(refused.said.find(words[0] + " requires --random"), std::string::npos) << refused.said;
  }
  EXPECT_EQ(parse({"--random", "3", "--steps"}).status, std::nullopt);
}

TEST(HostOptions, HelpTellsTheExitStatuses) {
  const Outcome help = parse({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.said.find("  0  the session ran to its end"), std::string::npos);
  EXPECT_NE(help.said.find("a store of preferences could\n     not be saved"), std::string::npos);
  EXPECT_NE(help.said.find("  2  the command line cannot be used"), std::string::npos);
  EXPECT_EQ(parse({"--frobnicate"}).status, 2);
}
