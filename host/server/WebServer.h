// The HTTP side of the page, on the server's own threads:
//   GET  /            the page (with ?token=T: the token set as a cookie, then back to /)
//   GET  /assets/NAME the page's CSS and JavaScript
//   GET  /events      Server-Sent Events: the state's parts, then every part that changes
//   POST /event       one event of the page (JSON, see WebEvent.h), answered once run
//   GET  /sound/N.wav the N-th sound played, converted from its AIFF file
// Every request passes the access guard first. Bodies are bounded; bad requests get a 4xx
// answer with {"error": message}. Nothing here touches the host: requests become tasks of
// the host's queue, and updates come from the state board.
#ifndef GUIDES_HOST_SERVER_WEBSERVER_H
#define GUIDES_HOST_SERVER_WEBSERVER_H

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "server/AccessGuard.h"
#include "server/HostQueue.h"
#include "server/StateBoard.h"
#include "server/WebAssets.h"
#include "server/WebEvent.h"

namespace httplib {
class Server;
}

namespace host {

class WebServer {
 public:
  // Request bodies above this size are refused (413).
  static constexpr size_t kMaxBody = 64 * 1024;
  // Event streams open at once; one more is refused (503) rather than hold a thread.
  static constexpr int kMaxStreams = 64;

  // runEvent runs on the host's thread, through the queue.
  using EventRunner = std::function<Reply(const WebEvent&)>;
  WebServer(HostQueue& queue, StateBoard& board, const WebAssets& assets, EventRunner runEvent);
  ~WebServer();

  // Binds to address:port (port 0: one the system picks) and serves on a thread of its own.
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
  std::string sound(size_t index);

  HostQueue& queue_;
  StateBoard& board_;
  const WebAssets& assets_;
  EventRunner runEvent_;
  std::unique_ptr<httplib::Server> server_;
  std::unique_ptr<AccessGuard> guard_;
  std::thread listener_;
  std::string listenAddress_;
  int port_ = 0;
  std::atomic<int> streams_{0};
  std::mutex soundsMutex_;
  std::map<std::string, std::shared_ptr<const std::string>> sounds_;  // WAV by AIFF path
};

}  // namespace host

#endif
