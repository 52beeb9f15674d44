#include "kit/Sound.h"

#include <sys/stat.h>

#include <array>
#include <cstring>
#include <fstream>

namespace kit {

namespace {

std::vector<std::string>& log() {
  static std::vector<std::string> entries;
  return entries;
}

// Only a regular file is opened: a pipe or a device could block or never end.
bool isAiffFile(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::ifstream in(path, std::ios::binary);
  std::array<char, 12> header{};
  if (!in.read(header.data(), header.size())) return false;
  return std::memcmp(header.data(), "FORM", 4) == 0 && std::memcmp(header.data() + 8, "AIFF", 4) == 0;
}

}  // namespace

std::unique_ptr<Sound> Sound::initWithContentsOfFile(const std::string& path, bool) {
  if (!isAiffFile(path)) return nullptr;
  return std::unique_ptr<Sound>(new Sound(path));
}

bool Sound::play() {
  log().push_back(path_);
  return true;
}

const std::vector<std::string>& Sound::playLog() { return log(); }
void Sound::clearPlayLog() { log().clear(); }

}  // namespace kit
