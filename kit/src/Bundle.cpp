#include "kit/Bundle.h"

#include <dlfcn.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kit {

namespace fs = std::filesystem;

namespace {

// The file mapped at the address, from the process's memory map (absolute), or empty.
std::string mappedFileContaining(const void* address) {
  std::ifstream maps("/proc/self/maps");
  const auto target = reinterpret_cast<std::uintptr_t>(address);
  std::string line;
  while (std::getline(maps, line)) {
    std::istringstream fields(line);
    std::string range, perms, offset, device, inode, path;
    fields >> range >> perms >> offset >> device >> inode >> path;
    auto dash = range.find('-');
    if (dash == std::string::npos || path.empty() || path[0] != '/') continue;
    std::uintptr_t start = 0, end = 0;
    auto first = std::from_chars(range.data(), range.data() + dash, start, 16);
    auto second = std::from_chars(range.data() + dash + 1, range.data() + range.size(), end, 16);
    if (first.ec != std::errc() || second.ec != std::errc()) continue;
    if (target >= start && target < end) return path;
  }
  return {};
}

// dladdr names a module as it was loaded, which may be relative to a folder the
// process has since left; the memory map names it absolutely.
std::string folderOf(const std::string& file, const void* address) {
  fs::path module(file);
  if (module.is_relative()) {
    std::string mapped = mappedFileContaining(address);
    std::error_code ec;
    module = mapped.empty() ? fs::absolute(module, ec) : fs::path(mapped);
  }
  return module.lexically_normal().parent_path().string();
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
  return Bundle(folderOf(info.dli_fname, address));
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
