#include "server/HttpConnection.h"

#include <poll.h>
#include <sys/socket.h>

#include <boost/beast/http/status.hpp>
#include <algorithm>
#include <array>
#include <chrono>
#include <iterator>
#include <limits>

namespace host {

namespace {

using Message = http::request<http::string_body>;
using Clock = std::chrono::steady_clock;

constexpr auto kLingerTime = std::chrono::seconds(1);
constexpr size_t kLingerBytes = 64 * 1024;

std::string_view viewOf(beast::string_view text) { return {text.data(), text.size()}; }

// The status line, the headers and the empty line of an answer. A stream has no length: it
// ends when the connection closes.
std::string answerHead(const PageAnswer& answer, const HeaderList& defaults, bool keep) {
  std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " ";
  head += viewOf(http::obsolete_reason(static_cast<http::status>(answer.status)));
  head += "\r\n";
  auto add = [&head](std::string_view name, std::string_view value) {
    head.append(name).append(": ").append(value).append("\r\n");
  };
  // An answer's own header replaces a default of that name (a picture's stricter policy).
  auto ownsHeader = [&answer](std::string_view name) {
    return std::any_of(answer.headers.begin(), answer.headers.end(),
                       [name](const auto& header) {
                         return beast::iequals(beast::string_view(header.first), beast::string_view(name.data(), name.size()));
                       });
  };
  for (const auto& [name, value] : defaults)
    if (!ownsHeader(name)) add(name, value);
  for (const auto& [name, value] : answer.headers) add(name, value);
  if (!answer.mediaType.empty()) add("Content-Type", answer.mediaType);
  if (!answer.stream) add("Content-Length", std::to_string(answer.body.size()));
  add("Connection", keep ? "keep-alive" : "close");
  return head + "\r\n";
}

// What no route may be given: a head larger or of more lines than allowed, a body in chunks or encoded,
// an expectation other than the one HTTP/1.1 clients send before a body.
std::optional<PageAnswer> headRefusal(const Message& message, size_t bytes, const HttpLimits& limits) {
  // The parser's own limit counts the request line and the headers apart; the buffer bounds
  // what it holds, this the head as a whole.
  if (bytes > limits.maxHeadBytes) return errorAnswer(431, "the request's header is too large");
  if (static_cast<size_t>(std::distance(message.begin(), message.end())) > limits.maxHeaderLines)
    return errorAnswer(431, "the request has too many header lines");
  if (message.target().size() > limits.maxTargetBytes) return errorAnswer(414, "the address is too long");
  if (message.find(http::field::transfer_encoding) != message.end())
    return errorAnswer(411, "a body must be sent whole with its Content-Length, not in chunks");
  if (message.find(http::field::content_encoding) != message.end())
    return errorAnswer(415, "an encoded (compressed) body is refused");
  const auto expect = message.find(http::field::expect);
  if (expect != message.end() && !beast::iequals(expect->value(), "100-continue"))
    return errorAnswer(417, "only 'Expect: 100-continue' is understood");
  return std::nullopt;
}

PageRequest requestOf(const Message& message) {
  PageRequest request;
  request.method = std::string(viewOf(message.method_string()));
  const std::string_view target = viewOf(message.target());
  const size_t question = target.find('?');
  request.path = std::string(target.substr(0, question));
  if (question != std::string_view::npos) request.query = std::string(target.substr(question + 1));
  for (const auto& field : message) request.headers.emplace_back(viewOf(field.name_string()), viewOf(field.value()));
  return request;
}

}  // namespace

HttpConnection::HttpConnection(HttpServer::Core& core, net::ip::tcp::socket socket)
    : core_(core), stream_(std::move(socket)), buffer_(core.limits.maxHeadBytes + 4096) {
  beast::error_code ignored;
  client_ = stream_.socket().remote_endpoint(ignored).address().to_string(ignored);
  fd_ = stream_.socket().native_handle();
  core_.track(this, fd_);
}

HttpConnection::~HttpConnection() { core_.untrack(this); }

void HttpConnection::awaitRequest() {
  if (core_.stopping) return close();
  parser_.emplace();
  parser_->header_limit(static_cast<uint32_t>(core_.limits.maxHeadBytes));
  // Each route's bound is checked once the head is read. (An empty limit would refuse any body.)
  parser_->body_limit(std::numeric_limits<uint64_t>::max());
  request_ = PageRequest{};
  route_ = nullptr;
  core_.waiting.enter(shared_from_this());
  if (closed_) return;  // dropped at once: the line was full of newer connections
  stream_.expires_after(core_.limits.headTime);
  http::async_read_header(stream_, buffer_, *parser_, [self = shared_from_this()](beast::error_code error, size_t bytes) {
    if (error) return self->onReadFailure(error);
    self->onHead(bytes);
  });
}

void HttpConnection::onHead(size_t bytes) {
  if (std::optional<PageAnswer> refusal = headRefusal(parser_->get(), bytes, core_.limits)) return refuse(*refusal);
  request_ = requestOf(parser_->get());
  if (std::optional<PageAnswer> refusal = core_.gate(request_)) return refuse(*refusal);
  bool otherMethod = false;
  route_ = core_.routes.find(request_.method, request_.path, &request_.matches, &otherMethod);
  if (!route_) return refuse(otherMethod ? errorAnswer(405, "this address takes another method")
                                         : errorAnswer(404, "no such page"));
  const uint64_t length = parser_->content_length().value_or(0);
  if (length > route_->maxBody) return refuse(errorAnswer(413, "the request body is too large"));
  if (parser_->is_done()) return dispatch();
  parser_->body_limit(route_->maxBody);
  if (parser_->get().find(http::field::expect) == parser_->get().end()) return readBody(length);
  auto text = std::make_shared<std::string>("HTTP/1.1 100 Continue\r\n\r\n");
  net::async_write(stream_, net::buffer(*text), [self = shared_from_this(), text, length](beast::error_code error, size_t) {
    if (error) return self->close();
    self->readBody(length);
  });
}

void HttpConnection::readBody(uint64_t length) {
  stream_.expires_after(core_.limits.timeFor(length));
  http::async_read(stream_, buffer_, *parser_, [self = shared_from_this()](beast::error_code error, size_t) {
    if (error) return self->onReadFailure(error);
    self->request_.body = std::move(self->parser_->get().body());
    self->dispatch();
  });
}

// A head or body too large is told; a client that took too long, went away or sent what is
// not HTTP is not waited for.
void HttpConnection::onReadFailure(beast::error_code error) {
  if (error == http::error::header_limit || error == http::error::buffer_overflow)
    return refuse(errorAnswer(431, "the request's header is too large"));
  if (error == http::error::body_limit) return refuse(errorAnswer(413, "the request body is too large"));
  const bool fromParser = error.category() == beast::error_code(http::error::end_of_stream).category();
  if (fromParser && error != http::error::end_of_stream && error != http::error::partial_message)
    return refuse(errorAnswer(400, "malformed request"));
  close();
}

void HttpConnection::dispatch() {
  core_.waiting.leave(*this);
  stream_.expires_never();
  if (!core_.pool.tryPost([self = shared_from_this()] { self->serve(); }))
    refuse(errorAnswer(503, "the server is busy: too many requests are waiting"));
}

void HttpConnection::refuse(const PageAnswer& answer) {
  core_.waiting.leave(*this);
  auto text = std::make_shared<std::string>(answerHead(answer, core_.defaultHeaders, false) + answer.body);
  stream_.expires_after(core_.limits.timeFor(text->size()));
  net::async_write(stream_, net::buffer(*text), [self = shared_from_this(), text](beast::error_code error, size_t) {
    if (error) return self->close();
    self->linger();
  });
}

// What the client still sends after a refusal (the rest of a body, of a flood) is read and
// dropped for a moment before closing: a connection closed with bytes unread is reset, and
// the client could lose the answer before reading it.
void HttpConnection::linger() {
  beast::error_code ignored;
  stream_.socket().shutdown(net::socket_base::shutdown_send, ignored);
  stream_.expires_after(kLingerTime);
  readAway(std::make_shared<std::array<char, 4096>>(), kLingerBytes);
}

void HttpConnection::readAway(std::shared_ptr<std::array<char, 4096>> drain, size_t left) {
  stream_.async_read_some(net::buffer(*drain), [self = shared_from_this(), drain, left](beast::error_code error,
                                                                                      size_t read) {
    if (error || read >= left) return self->close();
    self->readAway(drain, left - read);
  });
}

void HttpConnection::close() {
  core_.waiting.leave(*this);
  closed_ = true;
  beast::error_code ignored;
  stream_.socket().shutdown(net::socket_base::shutdown_both, ignored);
  stream_.socket().close(ignored);
}

// A worker's thread: the connection is its own until it hands it back.
void HttpConnection::serve() {
  const PageAnswer answer = answerOf();
  const bool keep = !answer.stream && parser_->get().keep_alive() && !core_.stopping;
  const bool written = answer.stream ? writeStream(answer)
                                     : writeAll(answerHead(answer, core_.defaultHeaders, keep) + answer.body);
  afterAnswer(written && keep);
}

PageAnswer HttpConnection::answerOf() {
  try {
    return route_->handler(request_);
  } catch (const std::exception&) {
    return errorAnswer(500, "the server failed to answer");
  }
}

bool HttpConnection::writeStream(const PageAnswer& answer) {
  if (!writeAll(answerHead(answer, core_.defaultHeaders, false))) return false;
  while (const std::optional<std::string> piece = answer.stream())
    if (!writeAll(*piece)) return false;
  return true;
}

// Waits for room in the socket for at most the time the bytes are allowed, whatever the
// client reads: one that stops reading loses its connection, not a worker.
bool HttpConnection::writeAll(std::string_view bytes) {
  const auto deadline = Clock::now() + core_.limits.timeFor(bytes.size());
  while (!bytes.empty()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd room{fd_, POLLOUT, 0};
    if (left <= 0 || ::poll(&room, 1, static_cast<int>(left)) <= 0 || (room.revents & (POLLERR | POLLHUP))) return false;
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (sent > 0) bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

// Back to the reading thread, to wait for the next request or to close.
void HttpConnection::afterAnswer(bool keep) {
  net::post(stream_.get_executor(), [self = shared_from_this(), keep] {
    if (keep) return self->awaitRequest();
    self->close();
  });
}

}  // namespace host
