// Sounds read from AIFF files. Playing is recorded in a log that tests and the host read.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kit {

class Sound {
 public:
  // nullptr when the file is missing, not a regular file, unreadable, or not an AIFF
  // file ("FORM", a size, "AIFF"). By reference: the file is checked, not loaded.
  static std::unique_ptr<Sound> initWithContentsOfFile(const std::string& path, bool byReference = true);

  // Records the play in the log; true.
  bool play();
  const std::string& path() const { return path_; }

  // The files played so far, in order.
  static const std::vector<std::string>& playLog();
  static void clearPlayLog();

 private:
  explicit Sound(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

}  // namespace kit
