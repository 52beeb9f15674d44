// The atomic write where each of its steps fails: creating the temporary file, writing it,
// renaming it over the target. Each is told as a failure with its reason, the file written
// before stays whole, and no temporary file is left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>

#include "TempFolder.h"
#include "model/FileWriting.h"

namespace {

class FileWritingTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return folder.path / "prefs.json"; }
  // The names in the folder other than Resources.
  std::vector<std::string> left() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path))
      if (entry.path().filename() != "Resources") names.push_back(entry.path().filename().string());
    return names;
  }
  // Writes `text` over the old file and gives the reason it failed ("" if it did not).
  std::string failure(const std::filesystem::path& target, const std::string& text) {
    std::string reason;
    if (host::writeFileAtomically(target, text, &reason)) return "";
    return reason.substr(0, reason.find(':'));
  }

  testhost::TempFolder folder;
};

}  // namespace

TEST_F(FileWritingTest, ATemporaryFileThatCannotBeMadeFailsTheWrite) {
  std::ofstream(folder.path / "plain") << "a file where a folder should be";
  EXPECT_EQ(failure(folder.path / "plain" / "prefs.json", "{}"), "cannot create a temporary file");
  EXPECT_EQ(testhost::contentOf(folder.path / "plain"), "a file where a folder should be");
}

// Files may grow no larger than a few bytes: the write of the temporary file fails.
TEST_F(FileWritingTest, AWriteThatFailsLeavesTheOldFileWhole) {
  ASSERT_EQ(failure(file(), "{\"old\": 1}"), "");
  rlimit before{};
  ::getrlimit(RLIMIT_FSIZE, &before);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 4;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const std::string reason = failure(file(), "{\"new\": 2}");
  ::setrlimit(RLIMIT_FSIZE, &before);
  ::signal(SIGXFSZ, previous);
  EXPECT_EQ(reason, "cannot write");
  EXPECT_EQ(testhost::contentOf(file()), "{\"old\": 1}");
  EXPECT_EQ(left(), std::vector<std::string>{"prefs.json"});
}

// The target is a folder holding a file: the rename over it fails.
TEST_F(FileWritingTest, ARenameThatFailsLeavesWhatWasThereWhole) {
  std::filesystem::create_directories(file());
  std::ofstream(file() / "inside") << "kept";
  EXPECT_EQ(failure(file(), "{}"), "cannot rename");
  EXPECT_EQ(testhost::contentOf(file() / "inside"), "kept");
  EXPECT_EQ(left(), std::vector<std::string>{"prefs.json"});
}
