// A lock held on a file for the whole run of a host, so that a second host given the same
// file learns that it is in use, and by which process. The lock is a record lock on
// "<file>.lock" beside the file, not on the file itself: the file is replaced by a rename at
// every write, and a lock on it would stay with the copy replaced. A record lock dies with
// its process, so the lock file a killed host leaves behind holds nothing.
#ifndef GUIDES_HOST_MODEL_FILELOCK_H
#define GUIDES_HOST_MODEL_FILELOCK_H

#include <sys/types.h>

#include <filesystem>

namespace host {

class FileLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  ~FileLock() { release(); }

  enum class Outcome {
    Held,           // this process holds the lock
    HeldElsewhere,  // another process does: holder() names it
    NotLockable,    // the lock file cannot be made (a folder that cannot be written)
  };
  // Locks `file` (making its folder when missing), releasing any lock held before.
  Outcome acquire(const std::filesystem::path& file);
  void release();

  bool isHeld() const { return fd_ >= 0; }
  // The process holding the lock when acquire answered HeldElsewhere.
  pid_t holder() const { return holder_; }
  // The file whose lock is held, or empty.
  const std::filesystem::path& file() const { return file_; }

 private:
  int fd_ = -1;
  pid_t holder_ = 0;
  std::filesystem::path file_;
};

}  // namespace host

#endif
