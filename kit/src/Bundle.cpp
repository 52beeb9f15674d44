#include "kit/Bundle.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace kit {

namespace fs = std::filesystem;

namespace {

std::string folderOf(const std::string& file) {
  std::error_code ec;
  fs::path absolute = fs::absolute(fs::path(file), ec);
  return (ec ? fs::path(file) : absolute).parent_path().string();
}

bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

}  // namespace

Bundle::Bundle(std::string bundlePath) : path_(std::move(bundlePath)) {}

std::optional<Bundle> Bundle::bundleContainingAddress(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0 || !info.dli_fname || !*info.dli_fname) return std::nullopt;
  return Bundle(folderOf(info.dli_fname));
}

Bundle Bundle::mainBundle() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return Bundle(ec ? fs::current_path(ec).string() : exe.parent_path().string());
}

std::string Bundle::resourcePath() const { return (fs::path(path_) / "Resources").string(); }

std::string Bundle::pathForResource(const std::string& name, const std::string& type) const {
  std::string file = type.empty() ? name : name + "." + type;
  if (!isPlainName(file)) return {};
  fs::path candidate = fs::path(resourcePath()) / file;
  std::error_code ec;
  return fs::is_regular_file(candidate, ec) ? candidate.string() : std::string();
}

}  // namespace kit
