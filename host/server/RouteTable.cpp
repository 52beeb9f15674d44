#include "server/RouteTable.h"

#include <strings.h>

#include "server/HostQueue.h"

namespace host {

std::string PageRequest::header(std::string_view name) const {
  for (const auto& [key, value] : headers)
    if (key.size() == name.size() && ::strncasecmp(key.data(), name.data(), name.size()) == 0) return value;
  return {};
}

std::optional<std::string> PageRequest::parameter(std::string_view name) const {
  std::string_view rest = query;
  while (!rest.empty()) {
    const size_t end = rest.find('&');
    const std::string_view pair = rest.substr(0, end);
    if (pair.size() > name.size() && pair.substr(0, name.size()) == name && pair[name.size()] == '=')
      return std::string(pair.substr(name.size() + 1));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return std::nullopt;
}

PageAnswer errorAnswer(int status, const std::string& message) {
  return PageAnswer{status, "application/json", errorReply(status, message).body, {}, {}};
}

void RouteTable::add(std::string method, const std::string& pattern, RouteHandler handler, size_t maxBody) {
  routes_.push_back(Route{std::move(method), std::regex(pattern), maxBody, std::move(handler)});
}

const Route* RouteTable::find(std::string_view method, const std::string& path, std::vector<std::string>* matches,
                              bool* otherMethod) const {
  *otherMethod = false;
  for (const Route& route : routes_) {
    std::smatch found;
    if (!std::regex_match(path, found, route.pattern)) continue;
    if (route.method != method) {
      *otherMethod = true;
      continue;
    }
    matches->assign(found.begin(), found.end());
    return &route;
  }
  return nullptr;
}

}  // namespace host
