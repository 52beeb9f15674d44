// The command line as people get it wrong: an empty preferences path, seeds that are not
// unsigned 64-bit numbers, random-session options without --random; each is refused with
// its reason and status 2, and --help tells the statuses the host really ends with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/HostOptions.h"

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

// Each command line is refused with status 2 and says why.
TEST(HostOptions, CommandLinesPeopleGetWrongAreRefusedWithTheirReason) {
  std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--prefs", "", "script"}, "an empty path names no file"},
      {{"--seed", "5"}, "--seed requires --random"},
      {{"--steps"}, "--steps requires --random"},
      {{"--frobnicate"}, ""}};
  for (const char* seed : {"-1", "18446744073709551616", "0x10", "+5", "1e3", " 5", "5 ", ""})
    cases.push_back({{"--random", "1", "--seed", seed}, "is not a whole number from 0 to 18446744073709551615"});
  for (const auto& [words, reason] : cases) {
    const Outcome refused = parse(words);
    SCOPED_TRACE(::testing::PrintToString(words) + ": " + refused.said);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.said.find(reason), std::string::npos);
  }
}

TEST(HostOptions, TheLimitsOfTheSeedAndTheStatusesAreWhatHelpSays) {
  EXPECT_EQ(parse({"--random", "1", "--seed", "18446744073709551615"}).options.seed, 18446744073709551615u);
  EXPECT_EQ(parse({"--random", "1", "--seed", "0"}).options.seed, 0u);
  EXPECT_EQ(parse({"--random", "3", "--steps"}).status, std::nullopt);
  EXPECT_EQ(parse({"--prefs", "p.json", "script"}).options.preferences, "p.json");
  const Outcome help = parse({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.said.find("  0  the session ran to its end"), std::string::npos);
  EXPECT_NE(help.said.find("a store of preferences could\n     not be saved"), std::string::npos);
  EXPECT_NE(help.said.find("  2  the command line cannot be used"), std::string::npos);
}
