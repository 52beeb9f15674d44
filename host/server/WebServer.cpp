#include "server/WebServer.h"

#include <fstream>

#include "kit/Sound.h"
#include "server/SoundConversion.h"

namespace host {

namespace {

using namespace std::chrono_literals;

// A stream with nothing to say sends a comment this often, so that a client gone away is
// found out (at the second write at most) and its worker and place freed within seconds: a
// page closed or reloaded must not hold one of the few places for long.
constexpr auto kKeepAlive = 1s;
constexpr size_t kMaxSoundFile = 4 * 1024 * 1024;

const HeaderList kPageHeaders{
    {"Content-Security-Policy",
     "default-src 'self'; img-src 'self' data:; media-src 'self'; style-src 'self'; script-src 'self'; "
     "connect-src 'self'; frame-ancestors 'none'; base-uri 'none'; form-action 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"Cache-Control", "no-store"}};

PageAnswer answerOf(const Reply& reply) { return PageAnswer{reply.status, "application/json", reply.body, {}, {}}; }

PageAnswer content(std::string body, std::string mediaType) {
  return PageAnswer{200, std::move(mediaType), std::move(body), {}, {}};
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

// A place among the event streams, given back when the stream's writer lets go of it.
struct StreamPlace {
  explicit StreamPlace(std::atomic<int>& open) : open(open) {}
  ~StreamPlace() { --open; }
  std::atomic<int>& open;
};

}  // namespace

WebServer::WebServer(HostQueue& queue, StateBoard& board, const WebAssets& assets, EventRunner runEvent,
                     HttpLimits limits)
    : queue_(queue), board_(board), assets_(assets), runEvent_(std::move(runEvent)), limits_(limits) {
  route();
}

WebServer::~WebServer() { stop(); }

bool WebServer::start(const std::string& address, int port, std::string* error) {
  listenAddress_ = address;
  http_ = std::make_unique<HttpServer>(
      routes_, [this](const PageRequest& request) { return admit(request); }, kPageHeaders, limits_);
  if (!http_->listen(address, port, error)) return false;
  port_ = http_->port();
  guard_ = std::make_unique<AccessGuard>(AccessGuard::newToken(), address, port_);
  http_->run();
  return true;
}

std::string WebServer::address() const {
  const std::string host = listenAddress_.find(':') != std::string::npos ? "[" + listenAddress_ + "]" : listenAddress_;
  return "http://" + host + ":" + std::to_string(port_) + "/?token=" + guard_->token();
}

void WebServer::stop() {
  board_.close();
  if (http_) http_->stop();
}

// The access guard, before any route: the token from the address counts on the page's own
// address only.
std::optional<PageAnswer> WebServer::admit(const PageRequest& request) const {
  RequestFacts facts{request.header("Host"), request.header("Origin"), request.header("Sec-Fetch-Site"),
                     request.header("Cookie"), {}};
  if (request.path == "/") facts.queryToken = request.parameter("token").value_or("");
  const Verdict verdict = guard_->check(facts);
  if (verdict == Verdict::Allowed) return std::nullopt;
  return errorAnswer(verdict == Verdict::NoToken ? 401 : 403, AccessGuard::describe(verdict));
}

void WebServer::route() {
  routes_.add("GET", "/", [this](const PageRequest& request) { return page(request); });
  routes_.add("GET", R"(/assets/([A-Za-z0-9_.-]+))", [this](const PageRequest& request) {
    const WebAsset* asset = assets_.find(request.matches[1]);
    return asset ? content(asset->content, asset->mediaType) : errorAnswer(404, "no such file");
  });
  // Browsers ask for it on every load whatever the page links: the page's icon answers.
  routes_.add("GET", "/favicon.ico", [this](const PageRequest&) {
    const WebAsset* icon = assets_.find("icon.svg");
    return icon ? content(icon->content, icon->mediaType) : errorAnswer(404, "no icon");
  });
  routes_.add("POST", "/event", [this](const PageRequest& request) { return event(request); }, kMaxBody);
  // The latest guides, whichever part named them: a page that asks late gets newer ones, and
  // the part that names those follows on its stream.
  routes_.add("GET", "/guides.bin", [this](const PageRequest&) {
    const std::shared_ptr<const std::string> guides = board_.data("guides");
    return guides ? content(*guides, "application/octet-stream") : errorAnswer(404, "no guides yet");
  });
  routes_.add("GET", R"(/sound/(\d{1,9})\.wav)", [this](const PageRequest& request) {
    const std::string wav = sound(std::stoul(request.matches[1]));
    return wav.empty() ? errorAnswer(404, "no such sound") : content(wav, "audio/wav");
  });
  routes_.add("GET", "/events", [this](const PageRequest&) { return events(); });
}

PageAnswer WebServer::page(const PageRequest& request) const {
  if (request.parameter("token")) {
    // The token moves from the address to a cookie, out of the history and the screen.
    PageAnswer moved{303, {}, {}, {{"Set-Cookie", guard_->cookie()}, {"Location", "/"}}, {}};
    return moved;
  }
  const WebAsset* page = assets_.find("index.html");
  return content(page->content, page->mediaType);
}

PageAnswer WebServer::event(const PageRequest& request) {
  if (!isJsonMediaType(request.header("Content-Type")))
    return errorAnswer(415, "the body must be application/json");
  std::string error;
  const std::optional<WebEvent> event = parseWebEvent(request.body, &error);
  if (!event) return errorAnswer(400, error);
  const std::string mergeKey = event->kind == WebEventKind::Move ? "move" : "";
  return answerOf(queue_.post([this, event = *event] { return runEvent_(event); }, mergeKey).get());
}

PageAnswer WebServer::events() {
  if (++streams_ > kMaxStreams) {
    --streams_;
    return errorAnswer(503, "too many event streams are open");
  }
  auto place = std::make_shared<StreamPlace>(streams_);
  auto seen = std::make_shared<StateBoard::Seen>();
  PageAnswer stream{200, "text/event-stream", {}, {}, {}};
  stream.stream = [this, place, seen]() -> std::optional<std::string> {
    const std::string news = board_.waitForNews(*seen, kKeepAlive);
    if (board_.isClosed()) return std::nullopt;
    return news.empty() ? std::string(":\n\n") : "data: " + news + "\n\n";
  };
  return stream;
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
