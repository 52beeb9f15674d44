// The page's own files (HTML, CSS, JavaScript, SVG icons), read once at start from the folder the build
// copies them to. Requests name a file of that list and nothing else: no path from a
// request ever reaches the file system.
#ifndef GUIDES_HOST_SERVER_WEBASSETS_H
#define GUIDES_HOST_SERVER_WEBASSETS_H

#include <filesystem>
#include <map>
#include <string>

namespace host {

struct WebAsset {
  std::string content;
  std::string mediaType;
};

class WebAssets {
 public:
  // Every .html, .css, .js and .svg file of the folder; false when the folder has no index.html.
  bool load(const std::filesystem::path& folder, std::string* error);
  // The file of that name, or null.
  const WebAsset* find(const std::string& name) const;

 private:
  std::map<std::string, WebAsset> files_;
};

// web/ beside the running executable (build/host/web), where the build puts the page.
std::filesystem::path defaultWebFolder();

}  // namespace host

#endif
