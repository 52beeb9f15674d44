// The HTTP side of the page, on the server's own threads:
//   GET  /            the page (with ?token=T: the token set as a cookie, then back to /)
//   GET  /assets/NAME the page's CSS and JavaScript
//   GET  /events      Server-Sent Events: the state's parts, then every part that changes
//   POST /event       one event of the page (JSON, see WebEvent.h), answered once run
//   GET  /guides.bin  the latest guides' bytes
//   GET  /sound/N.wav the N-th sound played, converted from its AIFF file
//   and, when given, the routes of the user's SVG files (DocumentRoutes.h)
// Every request is held to the server's bounds (HttpServer) and passes the access guard
// before any of these runs; bad requests get a 4xx answer with {"error": message}. Nothing
// here touches the host: requests become tasks of the host's queue, and updates come from
// the state board.
#ifndef GUIDES_HOST_SERVER_WEBSERVER_H
#define GUIDES_HOST_SERVER_WEBSERVER_H

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "server/AccessGuard.h"
#include "server/HostQueue.h"
#include "server/DocumentRoutes.h"
#include "server/HttpLimits.h"
#include "server/HttpServer.h"
#include "server/RouteTable.h"
#include "server/StateBoard.h"
#include "server/WebAssets.h"
#include "server/WebEvent.h"

namespace host {

class WebServer {
 public:
  // The bound of an event's body (413 beyond).
  static constexpr size_t kMaxBody = 64 * 1024;
  // Event streams open at once; one more is refused (503) rather than hold a worker.
  static constexpr int kMaxStreams = 64;

  // runEvent runs on the host's thread, through the queue.
  using EventRunner = std::function<Reply(const WebEvent&)>;
  WebServer(HostQueue& queue, StateBoard& board, const WebAssets& assets, EventRunner runEvent,
            HttpLimits limits = {});
  ~WebServer();

  // Serves the user's SVG files too (see DocumentRoutes.h); before start.
  void serveDocumentFiles(PageFiles files) { addDocumentRoutes(routes_, queue_, std::move(files)); }

  // Listens on address:port (port 0: one the system picks) and serves on threads of its own.
  bool start(const std::string& address, int port, std::string* error);
  // The page's address with the access token, once started.
  std::string address() const;
  int port() const { return port_; }
  // The event streams open now.
  int openStreams() const { return streams_; }
  // Ends every stream and stops serving; waits for the server's threads.
  void stop();

 private:
  void route();
  std::optional<PageAnswer> admit(const PageRequest& request) const;
  PageAnswer page(const PageRequest& request) const;
  PageAnswer event(const PageRequest& request);
  PageAnswer events();
  std::string sound(size_t index);

  HostQueue& queue_;
  StateBoard& board_;
  const WebAssets& assets_;
  EventRunner runEvent_;
  HttpLimits limits_;
  RouteTable routes_;
  std::unique_ptr<AccessGuard> guard_;
  std::unique_ptr<HttpServer> http_;
  std::string listenAddress_;
  int port_ = 0;
  std::atomic<int> streams_{0};
  std::mutex soundsMutex_;
  std::map<std::string, std::shared_ptr<const std::string>> sounds_;  // WAV by AIFF path
};

}  // namespace host

#endif
