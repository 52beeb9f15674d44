// The HTTP server against a stand-in for the host's thread, and bare sockets on 127.0.0.1
// for the clients a browser would never be: every wait is bounded (receive and send
// timeouts, loops of a fixed count).
#ifndef GUIDES_TESTS_SERVER_SERVERFIXTURE_H
#define GUIDES_TESTS_SERVER_SERVERFIXTURE_H

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "TempFolder.h"
#include "server/WebServer.h"

// A socket on the loopback, from `from` (any address of 127.0.0.0/8), to port; -1 if it
// cannot connect. Sends and receives give up after `seconds`.
inline int connectTo(int port, const char* from = nullptr, int seconds = 5) {
  const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  const timeval limit{seconds, 0};
  ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  if (from) {
    sockaddr_in source{};
    source.sin_family = AF_INET;
    ::inet_pton(AF_INET, from, &source.sin_addr);
    if (::bind(socket, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) return ::close(socket), -1;
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return ::close(socket), -1;
  return socket;
}

inline bool sendAll(int socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

// What the server sent until it closed (or the receive timeout), at most `most` bytes.
inline std::string receiveAll(int socket, size_t most = 1 << 20) {
  std::string got;
  char some[4096];
  while (got.size() < most) {
    const ssize_t n = ::recv(socket, some, sizeof some, 0);
    if (n <= 0) break;
    got.append(some, static_cast<size_t>(n));
  }
  return got;
}

// The status of an answer's first line, 0 for none.
inline int statusOf(const std::string& answer) {
  return answer.rfind("HTTP/1.1 ", 0) == 0 ? std::atoi(answer.c_str() + 9) : 0;
}

// Whether the server closed the socket: it reads the end, or the connection was reset.
inline bool closedByServer(int socket) {
  char byte;
  const ssize_t n = ::recv(socket, &byte, 1, 0);
  return n == 0 || (n < 0 && errno == ECONNRESET);
}

// Whether the socket is still open and has nothing to read.
inline bool isOpen(int socket) {
  char byte;
  return ::recv(socket, &byte, 1, MSG_DONTWAIT | MSG_PEEK) < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
}

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(folder / "index.html") << "<!doctype html><title>page</title>";
    std::ofstream(folder / "main.js") << "export {};";
    std::ofstream(folder / "icon.svg") << "<svg xmlns='http://www.w3.org/2000/svg'/>";
    std::string error;
    ASSERT_TRUE(assets.load(folder, &error)) << error;
    board.put("document", R"({"open":false})");
    hostThread = std::thread([this] {
      while (queue.runNext()) {
      }
    });
  }
  void TearDown() override {
    queue.stop();
    hostThread.join();
    if (server) server->stop();
  }

  // The test's server, `server`, on a port of its own, its token `token`; `files`, when
  // given, are served too.
  void startServer(host::HttpLimits limits = {}, std::optional<host::PageFiles> files = {}) {
    server = std::make_unique<host::WebServer>(queue, board, assets, [this](const host::WebEvent& event) {
      ++eventsRun;
      lastEvent = event.name;
      if (runEvent) runEvent(event);
      return host::Reply{200, R"({"ok":true})"};
    }, limits);
    if (files) server->serveDocumentFiles(*files);
    std::string error;
    EXPECT_TRUE(server->start("127.0.0.1", 0, &error)) << error;
    token = tokenOf(*server);
  }
  static std::string tokenOf(const host::WebServer& web) {
    const std::string address = web.address();
    return address.substr(address.find("token=") + 6);
  }
  static std::string cookieOf(const host::WebServer& web) {
    return "guides_token_" + std::to_string(web.port()) + "=" + tokenOf(web);
  }

  std::unique_ptr<httplib::Client> client(int seconds = 10) {
    auto made = std::make_unique<httplib::Client>("127.0.0.1", server->port());
    made->set_connection_timeout(seconds, 0);
    made->set_read_timeout(seconds, 0);
    return made;
  }
  httplib::Headers allowed(httplib::Headers more = {}) {
    more.emplace("Cookie", cookieOf(*server));
    return more;
  }
  httplib::Result post(const std::string& body, httplib::Headers headers = {}) {
    return client()->Post("/event", allowed(std::move(headers)), body, "application/json");
  }
  // The head of a request with the token, without its final empty line.
  std::string head(const std::string& line) const {
    return line + "\r\nHost: 127.0.0.1:" + std::to_string(server->port()) + "\r\nCookie: " + cookieOf(*server) + "\r\n";
  }
  // Sends a whole request on a bare socket and returns the status of the answer (0: none).
  int exchange(const std::string& request) {
    const int socket = connectTo(server->port());
    sendAll(socket, request);
    const int status = statusOf(receiveAll(socket, 12));
    ::close(socket);
    return status;
  }
  // A stream opened on a bare socket that reads only when the test says so; -1 if refused.
  int openRawStream() {
    const int socket = connectTo(server->port());
    const int small = 4096;  // the socket's buffers fill at once
    ::setsockopt(socket, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    if (socket < 0 || !sendAll(socket, head("GET /events HTTP/1.1") + "\r\n")) return -1;
    return socket;
  }
  int openStreams() const { return server->openStreams(); }
  // Waits, 5 s at most, for the open streams to be `count`.
  bool streamsBecome(int count) const {
    for (int i = 0; i < 500 && openStreams() != count; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return openStreams() == count;
  }

  testhost::TempFolder temp;
  const std::filesystem::path& folder = temp.path;
  host::HostQueue queue;
  host::StateBoard board;
  host::WebAssets assets;
  std::unique_ptr<host::WebServer> server;
  std::thread hostThread;
  std::string token;
  std::atomic<int> eventsRun{0};
  std::string lastEvent;
  std::function<void(const host::WebEvent&)> runEvent;
};

#endif
