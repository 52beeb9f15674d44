#include "server/WebServer.h"

#include <httplib.h>

#include <fstream>
#include <sstream>

#include "kit/Sound.h"
#include "server/ListenBacklog.h"
#include "server/SoundConversion.h"

namespace host {

namespace {

using namespace std::chrono_literals;

// A stream with nothing to say sends a comment this often, so that a client gone away is
// found out (at the second write at most) and its thread and place freed within seconds: a
// page closed or reloaded must not hold one of the few places for long.
constexpr auto kKeepAlive = 1s;
constexpr size_t kMaxSoundFile = 4 * 1024 * 1024;
constexpr size_t kServerThreads = 96;

const httplib::Headers kPageHeaders{
    {"Content-Security-Policy",
     "default-src 'self'; img-src 'self' data:; media-src 'self'; style-src 'self'; script-src 'self'; "
     "connect-src 'self'; frame-ancestors 'none'; base-uri 'none'; form-action 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"}};

void answer(httplib::Response& response, const Reply& reply) {
  response.status = reply.status;
  response.set_content(reply.body, "application/json");
}

RequestFacts factsOf(const httplib::Request& request) {
  return RequestFacts{request.get_header_value("Host"), request.get_header_value("Origin"),
                      request.get_header_value("Sec-Fetch-Site"), request.get_header_value("Cookie"),
                      request.path == "/" ? request.get_param_value("token") : std::string()};
}

std::optional<std::string> readSmallFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kMaxSoundFile + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<size_t>(in.gcount()) > kMaxSoundFile) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

}  // namespace

WebServer::WebServer(HostQueue& queue, StateBoard& board, const WebAssets& assets, EventRunner runEvent)
    : queue_(queue), board_(board), assets_(assets), runEvent_(std::move(runEvent)),
      server_(std::make_unique<httplib::Server>()) {}

WebServer::~WebServer() { stop(); }

bool WebServer::start(const std::string& address, int port, std::string* error) {
  listenAddress_ = address;
  port_ = port == 0 ? server_->bind_to_any_port(address) : (server_->bind_to_port(address, port) ? port : -1);
  if (port_ <= 0) {
    *error = "cannot listen on " + address + ":" + std::to_string(port);
    return false;
  }
  widenListenBacklog(port_);
  guard_ = std::make_unique<AccessGuard>(AccessGuard::newToken(), AccessGuard::hostNames(address, port_));
  route();
  listener_ = std::thread([this] { server_->listen_after_bind(); });
  return true;
}

std::string WebServer::address() const {
  const std::string host = listenAddress_.find(':') != std::string::npos ? "[" + listenAddress_ + "]" : listenAddress_;
  return "http://" + host + ":" + std::to_string(port_) + "/?token=" + guard_->token();
}

void WebServer::stop() {
  board_.close();
  if (server_) server_->stop();
  if (listener_.joinable()) listener_.join();
}

void WebServer::route() {
  httplib::Server& server = *server_;
  server.new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
  server.set_payload_max_length(kMaxBody);
  server.set_keep_alive_timeout(2);
  server.set_read_timeout(5);
  server.set_write_timeout(5);
  server.set_tcp_nodelay(true);
  server.set_default_headers(kPageHeaders);

  server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
    const Verdict verdict = guard_->check(factsOf(request));
    if (verdict == Verdict::Allowed) return httplib::Server::HandlerResponse::Unhandled;
    answer(response, errorReply(verdict == Verdict::NoToken ? 401 : 403, AccessGuard::describe(verdict)));
    return httplib::Server::HandlerResponse::Handled;
  });
  server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (!response.body.empty()) return;
    const char* message = response.status == 404   ? "no such page"
                          : response.status == 413 ? "the request body is too large"
                                                   : "bad request";
    answer(response, errorReply(response.status, message));
  });

  server.Get("/", [this](const httplib::Request& request, httplib::Response& response) {
    if (request.has_param("token")) {
      // The token moves from the address to a cookie, out of the history and the screen.
      response.set_header("Set-Cookie", guard_->cookie());
      response.set_redirect("/", 303);
      return;
    }
    const WebAsset* page = assets_.find("index.html");
    response.set_content(page->content, page->mediaType);
  });
  server.Get(R"(/assets/([A-Za-z0-9_.-]+))", [this](const httplib::Request& request, httplib::Response& response) {
    const WebAsset* asset = assets_.find(request.matches[1]);
    if (!asset) return answer(response, errorReply(404, "no such file"));
    response.set_content(asset->content, asset->mediaType);
  });

  server.Post("/event", [this](const httplib::Request& request, httplib::Response& response) {
    if (request.get_header_value("Content-Type").rfind("application/json", 0) != 0)
      return answer(response, errorReply(415, "the body must be application/json"));
    std::string error;
    const std::optional<WebEvent> event = parseWebEvent(request.body, &error);
    if (!event) return answer(response, errorReply(400, error));
    const std::string mergeKey = event->kind == WebEventKind::Move ? "move" : "";
    answer(response, queue_.post([this, event = *event] { return runEvent_(event); }, mergeKey).get());
  });

  // The latest guides, whichever part named them: a page that asks late gets newer ones, and
  // the part that names those follows on its stream.
  server.Get("/guides.bin", [this](const httplib::Request&, httplib::Response& response) {
    const std::shared_ptr<const std::string> guides = board_.data("guides");
    if (!guides) return answer(response, errorReply(404, "no guides yet"));
    response.set_content(*guides, "application/octet-stream");
  });
  server.Get(R"(/sound/(\d{1,9})\.wav)", [this](const httplib::Request& request, httplib::Response& response) {
    const std::string wav = sound(std::stoul(request.matches[1]));
    if (wav.empty()) return answer(response, errorReply(404, "no such sound"));
    response.set_content(wav, "audio/wav");
  });

  server.Get("/events", [this](const httplib::Request&, httplib::Response& response) {
    if (++streams_ > kMaxStreams) {
      --streams_;
      return answer(response, errorReply(503, "too many event streams are open"));
    }
    auto seen = std::make_shared<StateBoard::Seen>();
    response.set_chunked_content_provider(
        "text/event-stream",
        [this, seen](size_t, httplib::DataSink& sink) {
          const std::string news = board_.waitForNews(*seen, kKeepAlive);
          if (board_.isClosed()) return false;
          const std::string chunk = news.empty() ? std::string(":\n\n") : "data: " + news + "\n\n";
          return sink.write(chunk.data(), chunk.size());
        },
        [this](bool) { --streams_; });
  });
}

// The file comes from the toolkit's log of sounds played, read on the host's thread; the
// request only says which one.
std::string WebServer::sound(size_t index) {
  const Reply found = queue_.post([index] {
    const auto& played = kit::Sound::playLog();
    return index < played.size() ? Reply{200, played[index]} : Reply{404, ""};
  }).get();
  if (found.status != 200) return {};
  std::lock_guard lock(soundsMutex_);
  if (const auto known = sounds_.find(found.body); known != sounds_.end()) return *known->second;
  const std::optional<std::string> aiff = readSmallFile(found.body);
  std::optional<std::string> wav = aiff ? wavFromAiff(*aiff) : std::nullopt;
  if (!wav) return {};
  sounds_[found.body] = std::make_shared<const std::string>(*wav);
  return *wav;
}

}  // namespace host
