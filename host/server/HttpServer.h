// The page's HTTP/1.1 server, made to be faced with hostile clients. One thread reads every
// request (Boost.Beast) within the bounds of HttpLimits, checks it, and hands it to a worker
// only once it is read whole and the gate let it through: a slow, silent or flooding client
// costs a little memory and a place in a bounded line, never a worker. Bodies sent in chunks
// (411) or encoded (415) are refused. Workers run the route's handler and write its answer
// within a time bound; a kept connection then goes back to wait for its next request.
#ifndef GUIDES_HOST_SERVER_HTTPSERVER_H
#define GUIDES_HOST_SERVER_HTTPSERVER_H

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "server/HttpLimits.h"
#include "server/RouteTable.h"

namespace host {

class HttpServer {
 public:
  // Runs on the reading thread for every request whose head is read (its body not yet): an
  // answer refuses the request, before any route sees it.
  using Gate = std::function<std::optional<PageAnswer>(const PageRequest&)>;

  // defaultHeaders go with every answer.
  HttpServer(const RouteTable& routes, Gate gate, HeaderList defaultHeaders, HttpLimits limits);
  ~HttpServer();

  // Listens on address:port (port 0: one the system picks); connections wait to be taken.
  bool listen(const std::string& address, int port, std::string* error);
  int port() const;
  // Takes and serves connections, on threads of its own, until stop().
  void run();
  // Stops listening, closes every connection and waits for the workers.
  void stop();

  struct Core;

 private:
  std::unique_ptr<Core> core_;
};

}  // namespace host

#endif
