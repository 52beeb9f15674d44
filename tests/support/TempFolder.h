// A folder of the test's own with an empty Resources folder inside, as a module's bundle
// has, made afresh and removed with everything in it when the test ends. Its name holds the
// process and the test, so that tests run side by side never share one.
#ifndef GUIDES_TESTS_TEMPFOLDER_H
#define GUIDES_TESTS_TEMPFOLDER_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testhost {

// A file's bytes ("" if it cannot be read).
inline std::string contentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

struct TempFolder {
  TempFolder()
      : path(std::filesystem::temp_directory_path() /
             ("guides-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path / "Resources");
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes a file of the Resources folder and gives its path.
  std::string resource(const std::string& name, const std::string& bytes) const {
    writeFile(path / "Resources" / name, bytes);
    return (path / "Resources" / name).string();
  }

  const std::filesystem::path path;
};

}  // namespace testhost

#endif
