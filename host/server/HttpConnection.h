// Inside HttpServer: what its connections share, and one connection's life. Everything but
// a worker's handling of a request runs on the server's one reading thread.
#ifndef GUIDES_HOST_SERVER_HTTPCONNECTION_H
#define GUIDES_HOST_SERVER_HTTPCONNECTION_H

#include <atomic>
#include <utility>  // before Asio, whose coroutine header needs std::exchange

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <array>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "server/HttpServer.h"
#include "server/WorkerPool.h"

namespace host {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

class HttpConnection;

// The connections waiting for a request, oldest first: beyond the bounds per address and in
// all, the oldest are dropped. The reading thread only.
class WaitingLine {
 public:
  WaitingLine(size_t perClient, size_t inAll) : perClient_(perClient), inAll_(inAll) {}
  void enter(const std::shared_ptr<HttpConnection>& connection);
  void leave(HttpConnection& connection);

 private:
  using Line = std::list<std::weak_ptr<HttpConnection>>;
  void dropOldest(const std::string& client);

  size_t perClient_, inAll_;
  Line line_;
  std::map<std::string, size_t> perAddress_;
  friend class HttpConnection;
};

struct HttpServer::Core {
  Core(const RouteTable& routes, Gate gate, HeaderList defaultHeaders, HttpLimits limits);

  // Every open connection's socket, so that stop() can end the writes of workers too.
  void track(const HttpConnection* connection, int fd);
  void untrack(const HttpConnection* connection);
  void shutDownAll();

  // Declared before the I/O context, which may still hold connections when it goes: they
  // leave these as they close.
  WaitingLine waiting;
  std::mutex openMutex;
  std::map<const HttpConnection*, int> open;
  std::atomic<bool> stopping{false};

  net::io_context io{1};
  net::ip::tcp::acceptor acceptor{io};
  net::steady_timer retry{io};
  const RouteTable& routes;
  Gate gate;
  HeaderList defaultHeaders;
  HttpLimits limits;
  WorkerPool pool;
  std::thread reader;
};

class HttpConnection : public std::enable_shared_from_this<HttpConnection> {
 public:
  HttpConnection(HttpServer::Core& core, net::ip::tcp::socket socket);
  ~HttpConnection();

  // Waits for the next request, within the head's time.
  void awaitRequest();
  // Closes at once (a dropped waiting connection, or the server stopping).
  void close();
  const std::string& client() const { return client_; }

 private:
  void onHead(size_t bytes);
  void readBody(uint64_t length);
  void onReadFailure(beast::error_code error);
  void dispatch();
  void refuse(const PageAnswer& answer);
  void linger();
  void readAway(std::shared_ptr<std::array<char, 4096>> drain, size_t left);
  void serve();
  PageAnswer answerOf();
  bool writeAll(std::string_view bytes);
  bool writeStream(const PageAnswer& answer);
  void afterAnswer(bool keep);

  HttpServer::Core& core_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  std::string client_;
  int fd_ = -1;
  PageRequest request_;
  const Route* route_ = nullptr;
  bool closed_ = false;
  std::optional<WaitingLine::Line::iterator> place_;
  friend class WaitingLine;
};

}  // namespace host

#endif
