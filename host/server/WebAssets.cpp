#include "server/WebAssets.h"

#include <fstream>
#include <sstream>

namespace host {

namespace {

const char* mediaTypeOf(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  if (extension == ".html") return "text/html; charset=utf-8";
  if (extension == ".css") return "text/css; charset=utf-8";
  if (extension == ".js") return "text/javascript; charset=utf-8";
  if (extension == ".svg") return "image/svg+xml";
  return nullptr;
}

}  // namespace

bool WebAssets::load(const std::filesystem::path& folder, std::string* error) {
  std::error_code failure;
  for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
    const char* type = mediaTypeOf(entry.path());
    if (!type || !entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    files_[entry.path().filename().string()] = WebAsset{content.str(), type};
  }
  if (failure || !files_.count("index.html")) {
    *error = "the page's files are not in " + folder.string() + " (build the target guides-host)";
    return false;
  }
  return true;
}

const WebAsset* WebAssets::find(const std::string& name) const {
  const auto found = files_.find(name);
  return found == files_.end() ? nullptr : &found->second;
}

std::filesystem::path defaultWebFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return (error ? std::filesystem::path(".") : executable.parent_path()) / "web";
}

}  // namespace host
