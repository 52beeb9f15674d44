// A module's folder and its Resources folder.
#pragma once

#include <optional>
#include <string>

namespace kit {

class Bundle {
 public:
  // The bundle of the folder given.
  explicit Bundle(std::string bundlePath);
  // The bundle of the loaded module (executable or shared object) that holds the address:
  // the module's folder. Empty when no module holds it.
  static std::optional<Bundle> bundleContainingAddress(const void* address);
  // The running program's bundle.
  static Bundle mainBundle();

  const std::string& bundlePath() const { return path_; }
  // <bundle folder>/Resources
  std::string resourcePath() const;
  // <Resources>/<name>.<type> ("<name>" when the type is empty) if that file exists,
  // else empty. Names that would leave the Resources folder ("..", "/") are refused.
  std::string pathForResource(const std::string& name, const std::string& type) const;

 private:
  std::string path_;
};

}  // namespace kit
