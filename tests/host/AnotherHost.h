// Another host, in a process of its own, holding a preferences file from its start to its
// end, as a second copy of the host would; what it stored is in the file before the
// constructor returns.
#ifndef GUIDES_TESTS_HOST_ANOTHERHOST_H
#define GUIDES_TESTS_HOST_ANOTHERHOST_H

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/PreferenceStore.h"

class AnotherHost {
 public:
  // Opens the file and stores `key` = 1 in `section`.
  AnotherHost(const std::filesystem::path& file, const std::string& section, const std::string& key) {
    if (::pipe(ready_) != 0 || ::pipe(end_) != 0) return;
    pid_ = ::fork();
    char byte = 0;
    if (pid_ == 0) {
      host::PreferenceStore store;
      store.open(file);
      store.put(section, key, 1);
      const bool saved = store.save() == host::PreferenceStore::Saving::Saved;
      if (::write(ready_[1], &byte, 1) != 1 || ::read(end_[0], &byte, 1) != 1) ::_exit(2);
      ::_exit(saved ? 0 : 1);
    }
    if (pid_ > 0 && ::read(ready_[0], &byte, 1) != 1) pid_ = -1;
  }
  AnotherHost(const AnotherHost&) = delete;
  AnotherHost& operator=(const AnotherHost&) = delete;
  ~AnotherHost() { end(); }

  // Ends the other host; true when it had saved what it stored.
  bool end() {
    if (pid_ <= 0) return false;
    char byte = 0;
    int status = -1;
    if (::write(end_[1], &byte, 1) == 1) ::waitpid(pid_, &status, 0);
    for (int fd : {ready_[0], ready_[1], end_[0], end_[1]}) ::close(fd);
    pid_ = 0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  int ready_[2] = {-1, -1};
  int end_[2] = {-1, -1};
};

#endif
