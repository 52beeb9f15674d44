// What the page's server answers, route by route: a method, a pattern for the whole path, the
// largest body the route takes and the handler that answers it. The server reads a body only
// up to its route's bound (413 beyond), before any handler runs; a route that takes files
// gives a bound of its own.
#ifndef GUIDES_HOST_SERVER_ROUTETABLE_H
#define GUIDES_HOST_SERVER_ROUTETABLE_H

#include <cstddef>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

// A request read whole and within every bound.
struct PageRequest {
  std::string method;
  std::string path;                  // the target up to '?'
  std::string query;                 // after '?', as sent
  HeaderList headers;
  std::string body;
  std::vector<std::string> matches;  // the route pattern's groups, the whole path first

  // The first header of that name (compared without case), empty when absent.
  std::string header(std::string_view name) const;
  // The value of NAME=value in the query, as sent; nothing when absent.
  std::optional<std::string> parameter(std::string_view name) const;
};

// An answer: a body, or a stream that the server writes piece by piece until it returns
// nothing or the client goes away (the connection then closes).
struct PageAnswer {
  int status = 200;
  std::string mediaType;
  std::string body;
  HeaderList headers;
  std::function<std::optional<std::string>()> stream;
};

// {"error": message} with that status.
PageAnswer errorAnswer(int status, const std::string& message);

using RouteHandler = std::function<PageAnswer(const PageRequest&)>;

struct Route {
  std::string method;
  std::regex pattern;
  size_t maxBody = 0;
  RouteHandler handler;
};

class RouteTable {
 public:
  void add(std::string method, const std::string& pattern, RouteHandler handler, size_t maxBody = 0);

  // The route for that method and path, its groups in *matches; null when none. *otherMethod
  // tells whether the path has a route for another method (405 rather than 404).
  const Route* find(std::string_view method, const std::string& path, std::vector<std::string>* matches,
                    bool* otherMethod) const;

 private:
  std::vector<Route> routes_;
};

}  // namespace host

#endif
