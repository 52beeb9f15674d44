#include "server/PageOpener.h"

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>
#include <thread>
#include <vector>

extern char** environ;

namespace host {

namespace {

std::filesystem::path runtimeFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) return runtime;
  std::error_code ignored;
  return std::filesystem::temp_directory_path(ignored);
}

std::string escaped(const std::string& text) {
  std::string html;
  for (char c : text) html += c == '&' ? "&amp;" : c == '"' ? "&quot;" : c == '<' ? "&lt;" : std::string(1, c);
  return html;
}

std::string redirectPage(const std::string& address) {
  const std::string target = escaped(address);
  return "<!doctype html><meta charset=\"utf-8\"><meta http-equiv=\"refresh\" content=\"0; url=" + target +
         "\"><title>Guides</title><a href=\"" + target + "\">Guides</a>\n";
}

// xdg-open, run directly (no shell sees its argument). It may not return before the browser
// it started ends, so it is waited for on a thread of its own: the page is served meanwhile.
// The browser gets the signals this host blocks back, and a process group of its own: the
// Ctrl-C that stops the host leaves the user's browser open.
void runXdgOpen(const std::string& file) {
  const char* arguments[] = {"xdg-open", file.c_str(), nullptr};
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  pid_t child = 0;
  const int failed =
      posix_spawnp(&child, "xdg-open", nullptr, &attributes, const_cast<char**>(arguments), environ);
  posix_spawnattr_destroy(&attributes);
  if (failed) {
    std::cerr << "guides-host: --open: xdg-open is not installed; open the address above in a browser" << std::endl;
    return;
  }
  std::thread([child] {
    int status = 0;
    if (waitpid(child, &status, 0) == child && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
      std::cerr << "guides-host: --open: xdg-open could not open the page; open the address above in a browser"
                << std::endl;
  }).detach();
}

}  // namespace

PageOpener::~PageOpener() {
  std::error_code ignored;
  if (!file_.empty()) std::filesystem::remove(file_, ignored);
}

// mkstemps makes the file new (never one planted there) and its owner's alone.
bool PageOpener::writeFile(const std::string& address) {
  const std::string pattern = (runtimeFolder() / "guides-page-XXXXXX.html").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), 5);
  if (fd < 0) return false;
  file_ = name.data();
  const std::string page = redirectPage(address);
  const bool written = ::write(fd, page.data(), page.size()) == static_cast<ssize_t>(page.size());
  return ::close(fd) == 0 && written;
}

void PageOpener::open(const std::string& address) {
  if (!writeFile(address)) {
    std::cerr << "guides-host: --open: cannot write the page's file in " << runtimeFolder().string()
              << "; open the address above in a browser" << std::endl;
    return;
  }
  runXdgOpen(file_.string());
}

}  // namespace host
