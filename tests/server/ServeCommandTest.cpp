// guides-host --serve as a user runs it: an address beyond loopback is said and refused
// unless asked for twice, and --open hands the browser a private file, so that the page's
// token stands on no command line, and the file goes when the host stops.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "TempFolder.h"

extern char** environ;

using namespace std::chrono_literals;
using testhost::contentOf;

namespace {

class ServeCommandTest : public ::testing::Test {
 protected:
  // Starts guides-host with these arguments, its outputs in files of the folder; `path` goes
  // before the PATH, and the runtime folder is the test's own.
  pid_t run(std::vector<std::string> arguments, const std::string& path = "") {
    arguments.insert(arguments.begin(), {GUIDES_HOST, "--prefs", (folder.path / "prefs.json").string()});
    std::vector<std::string> environment{"XDG_RUNTIME_DIR=" + runtime().string()};
    for (char** variable = environ; *variable; ++variable) {
      const std::string entry = *variable;
      if (entry.rfind("PATH=", 0) == 0 && !path.empty()) environment.push_back("PATH=" + path + ":" + entry.substr(5));
      else if (entry.rfind("XDG_RUNTIME_DIR=", 0) != 0) environment.push_back(entry);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = (folder.path / "out.txt").string(), err = (folder.path / "err.txt").string();
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    const int failed = posix_spawn(&child, GUIDES_HOST, &actions, nullptr, pointers(arguments).data(),
                                   pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(failed, 0);
    return child;
  }
  // The exit status, or -1 if the host did not end within 30 s.
  static int statusOf(pid_t child) {
    for (int i = 0; i < 300; ++i) {
      int status = 0;
      if (::waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
      std::this_thread::sleep_for(100ms);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
  }
  // Waits, 30 s at most, until the file holds `text`.
  static bool waitFor(const std::filesystem::path& file, const std::string& text) {
    for (int i = 0; i < 300; ++i) {
      if (contentOf(file).find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(100ms);
    }
    return false;
  }
  std::filesystem::path runtime() const { return folder.path / "run"; }
  std::string err() const { return contentOf(folder.path / "err.txt"); }

  testhost::TempFolder folder;

 private:
  static std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> list;
    for (std::string& text : texts) list.push_back(text.data());
    list.push_back(nullptr);
    return list;
  }
};

// Whether any process's command line holds the text.
bool onAnyCommandLine(const std::string& text) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error))
    if (contentOf(entry.path() / "cmdline").find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST_F(ServeCommandTest, ListeningBeyondLoopbackIsToldAndRefusedUnlessAskedTwice) {
  EXPECT_EQ(statusOf(run({"--serve", "--listen", "0.0.0.0"})), 2);
  EXPECT_NE(err().find("warning: --listen 0.0.0.0 serves the page beyond this machine"), std::string::npos) << err();
  EXPECT_NE(err().find("refused: give --listen-anywhere-i-know"), std::string::npos) << err();
  // Asked twice, it goes on to listen: on an address of no interface here, which fails.
  EXPECT_EQ(statusOf(run({"--serve", "--listen", "192.0.2.1", "--listen-anywhere-i-know"})), 1);
  EXPECT_NE(err().find("warning: --listen 192.0.2.1"), std::string::npos) << err();
  EXPECT_EQ(err().find("refused"), std::string::npos) << err();
  EXPECT_NE(err().find("cannot listen on 192.0.2.1"), std::string::npos) << err();
}

TEST_F(ServeCommandTest, OpenPutsTheTokenOnNoCommandLineAndItsFileGoesWithTheHost) {
  std::filesystem::create_directories(folder.path / "bin");
  std::filesystem::create_directories(runtime());
  const std::filesystem::path opener = folder.path / "bin" / "xdg-open";
  std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$*\" > '" << (folder.path / "opened").string()
                        << "'\nsleep 2\n";
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  const pid_t host = run({"--serve", "--open"}, (folder.path / "bin").string());
  ASSERT_TRUE(waitFor(folder.path / "out.txt", "/?token=")) << err();
  const std::string out = contentOf(folder.path / "out.txt");
  const size_t at = out.find("http://");
  const std::string address = out.substr(at, out.find('\n', at) - at);
  const std::string token = address.substr(address.find("token=") + 6);
  ASSERT_EQ(token.size(), 64u);
  ASSERT_TRUE(waitFor(folder.path / "opened", runtime().string()));

  EXPECT_FALSE(onAnyCommandLine(token));  // xdg-open is still running
  const std::filesystem::path page = contentOf(folder.path / "opened");
  struct stat facts {};
  ASSERT_EQ(::stat(page.c_str(), &facts), 0);
  EXPECT_EQ(facts.st_mode & 0777, 0600u);
  EXPECT_NE(contentOf(page).find("url=" + address + "\""), std::string::npos) << contentOf(page);
  ::kill(host, SIGTERM);
  EXPECT_EQ(statusOf(host), 0);
  EXPECT_FALSE(std::filesystem::exists(page));
}
