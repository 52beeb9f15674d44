// The bounds every connection of the page's server is held to, whoever sends it: they hold
// before any handler runs and before the access token is looked at, so that a client
// without the token can cost the host neither memory, nor a worker, nor more than a few
// seconds of one connection. Bodies have a bound per route (RouteTable).
#ifndef GUIDES_HOST_SERVER_HTTPLIMITS_H
#define GUIDES_HOST_SERVER_HTTPLIMITS_H

#include <chrono>
#include <cstddef>

namespace host {

struct HttpLimits {
  // A request's line and headers together, in bytes (431 beyond).
  size_t maxHeadBytes = 16 * 1024;
  // Header lines in one request (431 beyond).
  size_t maxHeaderLines = 100;
  // The request's target, path and query (414 beyond): routes are matched by patterns whose
  // matching must stay short.
  size_t maxTargetBytes = 2048;
  // The whole request line and headers must come within this time of the server starting to
  // wait for them (on a new connection, or after the previous answer on a kept one), however
  // the bytes are spread: a client that sends one byte now and then is dropped all the same.
  std::chrono::milliseconds headTime{5000};
  // A body, and an answer being written, get this long plus a second per `slowestRate` bytes.
  std::chrono::milliseconds transferTime{5000};
  size_t slowestRate = 1024 * 1024;
  // Connections that wait for their request (idle, or sending it), from one address and in
  // all; beyond either, the oldest of them is dropped, so that the newest (a page opening)
  // always gets its turn.
  size_t waitingPerClient = 64;
  size_t waitingInAll = 512;
  // Threads that run handlers (each event stream holds one while it is open), and requests
  // read whole that may wait for one of them; beyond, 503.
  size_t workers = 96;
  size_t queuedRequests = 128;

  // The time allowed to move `bytes` of a body or an answer.
  std::chrono::milliseconds timeFor(size_t bytes) const {
    return transferTime + std::chrono::milliseconds(bytes / (slowestRate / 1000 + 1));
  }
};

}  // namespace host

#endif
