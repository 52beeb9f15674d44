#include "model/FileLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace host {

namespace {

flock wholeFile(short type) {
  flock region{};
  region.l_type = type;
  region.l_whence = SEEK_SET;
  region.l_start = 0;
  region.l_len = 0;
  return region;
}

// The holder of a lock that another process has, or 0 when it let it go in between.
pid_t holderOf(int fd) {
  flock region = wholeFile(F_WRLCK);
  if (::fcntl(fd, F_GETLK, &region) != 0 || region.l_type == F_UNLCK) return 0;
  return region.l_pid;
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), holder_(other.holder_), file_(std::move(other.file_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = std::exchange(other.fd_, -1);
    holder_ = other.holder_;
    file_ = std::move(other.file_);
  }
  return *this;
}

FileLock::Outcome FileLock::acquire(const std::filesystem::path& file) {
  release();
  std::error_code ignored;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
  std::filesystem::path lockFile = file;
  lockFile += ".lock";
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Outcome::NotLockable;
  // The holder may end between the refusal and the question: then the lock is tried again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    flock region = wholeFile(F_WRLCK);
    if (::fcntl(fd, F_SETLK, &region) == 0) {
      fd_ = fd;
      file_ = file;
      return Outcome::Held;
    }
    if (errno != EAGAIN && errno != EACCES) break;
    holder_ = holderOf(fd);
    if (holder_ != 0) {
      ::close(fd);
      return Outcome::HeldElsewhere;
    }
  }
  ::close(fd);
  return Outcome::NotLockable;
}

// Closing the descriptor lets the lock go; the lock file stays for the next host.
void FileLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  file_.clear();
}

}  // namespace host
