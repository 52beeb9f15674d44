#include "kit/Workspace.h"

#include <algorithm>
#include <cctype>

namespace kit {

namespace {

bool isWellFormedUrl(const std::string& url) {
  auto colon = url.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == url.size()) return false;
  auto schemeChar = [](unsigned char c) { return std::isalnum(c) || c == '+' || c == '-' || c == '.'; };
  if (!std::isalpha(static_cast<unsigned char>(url[0]))) return false;
  if (!std::all_of(url.begin(), url.begin() + long(colon), [&](char c) { return schemeChar(static_cast<unsigned char>(c)); }))
    return false;
  return std::none_of(url.begin(), url.end(), [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7f;
  });
}

}  // namespace

Workspace& Workspace::sharedWorkspace() {
  static Workspace workspace;
  return workspace;
}

bool Workspace::openURL(const std::string& url) {
  if (!isWellFormedUrl(url)) return false;
  opened_.push_back(url);
  return true;
}

}  // namespace kit
