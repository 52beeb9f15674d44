#include "model/FileWriting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace host {

namespace {

std::string systemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The rename is durable only once the folder itself is flushed.
void syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// mkstemp makes a file only its owner may read: the file written in its place gets the
// mode the file it replaces had, or the one a plain creation would give (0666 less umask).
mode_t modeFor(const std::filesystem::path& file) {
  struct stat existing {};
  if (::stat(file.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view text,
                         std::string* reason) {
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);

  std::string pattern = (folder / (file.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    *reason = systemError("cannot create a temporary file");
    return false;
  }
  ::fchmod(fd, modeFor(file));
  bool ok = writeAll(fd, text);
  if (!ok) *reason = systemError("cannot write");
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    *reason = systemError("cannot flush");
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    *reason = systemError("cannot close");
  }
  if (ok && std::rename(name.data(), file.c_str()) != 0) {
    ok = false;
    *reason = systemError("cannot rename");
  }
  if (!ok) {
    ::unlink(name.data());
    return false;
  }
  syncFolder(folder);
  return true;
}

std::filesystem::path moveAside(const std::filesystem::path& file) {
  for (int n = 0; n < 1000; ++n) {
    std::filesystem::path aside = file;
    aside += n == 0 ? ".damaged" : ".damaged." + std::to_string(n);
    std::error_code error;
    if (std::filesystem::exists(aside, error) || error) continue;
    std::filesystem::rename(file, aside, error);
    return error ? std::filesystem::path() : aside;
  }
  return {};
}

std::filesystem::path followLinks(const std::filesystem::path& file) {
  // As many links as the system itself follows before it gives up (ELOOP).
  constexpr int kMostLinks = 40;
  std::filesystem::path at = file;
  for (int followed = 0; followed < kMostLinks; ++followed) {
    std::error_code error;
    if (!std::filesystem::is_symlink(at, error)) return at;
    const std::filesystem::path target = std::filesystem::read_symlink(at, error);
    if (error) return at;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  return file;
}

bool readFile(const std::filesystem::path& file, std::string* text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return false;
  *text = std::move(content).str();
  return true;
}

}  // namespace host
