#include "server/HttpServer.h"

#include <sys/socket.h>

#include "server/HttpConnection.h"

namespace host {

void WaitingLine::enter(const std::shared_ptr<HttpConnection>& connection) {
  leave(*connection);
  connection->place_ = line_.insert(line_.end(), connection);
  if (++perAddress_[connection->client()] > perClient_) dropOldest(connection->client());
  if (line_.size() > inAll_) dropOldest({});
}

void WaitingLine::leave(HttpConnection& connection) {
  if (!connection.place_) return;
  line_.erase(*connection.place_);
  connection.place_.reset();
  if (--perAddress_[connection.client()] == 0) perAddress_.erase(connection.client());
}

// The oldest waiting connection of that client (of any, for an empty name).
void WaitingLine::dropOldest(const std::string& client) {
  for (const std::weak_ptr<HttpConnection>& waiting : line_) {
    const std::shared_ptr<HttpConnection> oldest = waiting.lock();
    if (oldest && (client.empty() || oldest->client() == client)) return oldest->close();
  }
}

HttpServer::Core::Core(const RouteTable& routes, Gate gate, HeaderList defaultHeaders, HttpLimits limits)
    : waiting(limits.waitingPerClient, limits.waitingInAll), routes(routes), gate(std::move(gate)),
      defaultHeaders(std::move(defaultHeaders)), limits(limits), pool(limits.workers, limits.queuedRequests) {}

void HttpServer::Core::track(const HttpConnection* connection, int fd) {
  std::lock_guard lock(openMutex);
  open[connection] = fd;
}

void HttpServer::Core::untrack(const HttpConnection* connection) {
  std::lock_guard lock(openMutex);
  open.erase(connection);
}

// A socket shut down stays open, so its number cannot be reused under a worker writing to it.
void HttpServer::Core::shutDownAll() {
  std::lock_guard lock(openMutex);
  for (const auto& [connection, fd] : open) ::shutdown(fd, SHUT_RDWR);
}

namespace {

void accept(HttpServer::Core& core) {
  core.acceptor.async_accept(core.io, [&core](beast::error_code error, net::ip::tcp::socket socket) {
    if (error == net::error::operation_aborted || core.stopping) return;
    if (error) {
      // Out of descriptors, most likely: the waiting connections are dropped meanwhile.
      core.retry.expires_after(std::chrono::milliseconds(50));
      core.retry.async_wait([&core](beast::error_code waited) {
        if (!waited) accept(core);
      });
      return;
    }
    std::make_shared<HttpConnection>(core, std::move(socket))->awaitRequest();
    accept(core);
  });
}

std::optional<net::ip::tcp::endpoint> endpointOf(net::io_context& io, const std::string& address, int port) {
  beast::error_code error;
  net::ip::tcp::resolver resolver(io);
  const auto found = resolver.resolve(address, std::to_string(port), net::ip::resolver_base::numeric_service, error);
  if (error || found.empty()) return std::nullopt;
  return found.begin()->endpoint();
}

}  // namespace

HttpServer::HttpServer(const RouteTable& routes, Gate gate, HeaderList defaultHeaders, HttpLimits limits)
    : core_(std::make_unique<Core>(routes, std::move(gate), std::move(defaultHeaders), limits)) {}

HttpServer::~HttpServer() { stop(); }

bool HttpServer::listen(const std::string& address, int port, std::string* error) {
  const std::optional<net::ip::tcp::endpoint> endpoint = endpointOf(core_->io, address, port);
  beast::error_code failed;
  if (endpoint) {
    net::ip::tcp::acceptor& acceptor = core_->acceptor;
    acceptor.open(endpoint->protocol(), failed);
    if (!failed) acceptor.set_option(net::socket_base::reuse_address(true), failed);
    if (!failed) acceptor.bind(*endpoint, failed);
    if (!failed) acceptor.listen(net::socket_base::max_listen_connections, failed);
  }
  if (!endpoint || failed) {
    *error = "cannot listen on " + address + ":" + std::to_string(port) + (failed ? ": " + failed.message() : "");
    return false;
  }
  return true;
}

void HttpServer::run() {
  accept(*core_);
  core_->reader = std::thread([this] { core_->io.run(); });
}

int HttpServer::port() const {
  beast::error_code error;
  return core_->acceptor.local_endpoint(error).port();
}

void HttpServer::stop() {
  if (core_->stopping.exchange(true)) return;
  core_->shutDownAll();
  net::post(core_->io, [this] {
    beast::error_code ignored;
    core_->acceptor.close(ignored);
    core_->retry.cancel();
  });
  if (core_->reader.joinable()) {
    // Once every read has failed, nothing is left to run.
    core_->reader.join();
  }
  core_->pool.stop();
}

}  // namespace host
