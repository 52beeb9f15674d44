// The HTTP server against a stand-in for the host's thread: the token moves from the address
// to a cookie; foreign hosts and origins, missing tokens, large or malformed bodies are
// refused with a 4xx answer and reach no host; the event stream starts with every part and
// follows the changes; fifty pages at once, a page that never reads its stream and pages
// that go away mid-stream or while idle hold neither the host nor the other pages up.
#include "ServerFixture.h"

using namespace std::chrono_literals;

namespace {

class WebServerTest : public ServerTest {
 protected:
  void SetUp() override {
    ServerTest::SetUp();
    startServer();
  }
  // Follows the event stream until `until` has come (or the stream ends): true if it came.
  bool follow(const std::string& until) {
    std::string seen;
    client()->Get("/events", allowed(), [&](const char* data, size_t length) {
      seen.append(data, length);
      return seen.find(until) == std::string::npos;
    });
    return seen.find(until) != std::string::npos;
  }
};

}  // namespace

TEST_F(WebServerTest, TheTokenOfTheAddressBecomesACookieAndTheCookieOpensThePage) {
  auto first = client()->Get(("/?token=" + token).c_str());
  ASSERT_TRUE(first);
  EXPECT_EQ(std::make_tuple(first->status, first->get_header_value("Location"), first->get_header_value("Set-Cookie")),
            std::make_tuple(303, "/", cookieOf(*server) + "; Path=/; HttpOnly; SameSite=Strict"));
  auto page = client()->Get("/", allowed());
  ASSERT_TRUE(page);
  EXPECT_EQ(std::make_tuple(page->status, page->body), std::make_tuple(200, "<!doctype html><title>page</title>"));
  EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'self'"), std::string::npos);
  auto script = client()->Get("/assets/main.js", allowed());
  ASSERT_TRUE(script);
  EXPECT_EQ(script->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
  EXPECT_EQ(client()->Get("/assets/..%2Findex.html", allowed())->status, 404);
  EXPECT_EQ(client()->Get("/assets/missing.js", allowed())->status, 404);
  auto icon = client()->Get("/favicon.ico", allowed());  // asked by browsers on every load
  ASSERT_TRUE(icon);
  EXPECT_EQ(std::make_tuple(icon->status, icon->get_header_value("Content-Type")),
            std::make_tuple(200, "image/svg+xml"));
}

TEST_F(WebServerTest, RequestsWithoutTheTokenFromElsewhereOrMalformedReachNoHost) {
  EXPECT_EQ(client()->Get("/")->status, 401);
  EXPECT_EQ(client()->Post("/event", R"({"type":"fit"})", "application/json")->status, 401);
  EXPECT_EQ(client()->Get("/", allowed({{"Host", "rebound.example:80"}}))->status, 403);
  EXPECT_EQ(post(R"({"type":"fit"})", {{"Origin", "http://evil.example"}})->status, 403);
  EXPECT_EQ(post(R"({"type":"fit"})", {{"Sec-Fetch-Site", "cross-site"}})->status, 403);
  for (const char* type : {"text/plain", "application/jsonx", "application/json; charset=latin1"})
    EXPECT_EQ(client()->Post("/event", allowed(), R"({"type":"fit"})", type)->status, 415) << type;
  EXPECT_EQ(post("{\"type\":\"tool\",\"name\":\"" + std::string(host::WebServer::kMaxBody, 'x') + "\"}")->status, 413);
  auto malformed = post("{\"type\":\"click\",\"x\":5000,\"y\":1}");
  ASSERT_TRUE(malformed);
  EXPECT_EQ(std::make_tuple(malformed->status, malformed->body),
            std::make_tuple(400, R"j({"error":"'x' is out of range (0 to 1000)"})j"));
  EXPECT_EQ(eventsRun, 0);
  auto good = post(R"({"type":"tool","name":"Outil Guides"})", {{"Origin", "http://localhost:" + std::to_string(server->port())}});
  ASSERT_TRUE(good);
  EXPECT_EQ(std::make_tuple(good->status, eventsRun.load(), lastEvent), std::make_tuple(200, 1, "Outil Guides"));
}

TEST_F(WebServerTest, TheStreamStartsWithEveryPartThenFollowsTheChanges) {
  std::vector<std::string> messages;
  std::thread reader([&] {
    client()->Get("/events", allowed(), [&](const char* data, size_t length) {
      std::string chunk(data, length);
      if (chunk.rfind("data: ", 0) == 0) messages.push_back(chunk);
      return messages.size() < 2;
    });
  });
  for (int i = 0; i < 500 && messages.empty(); ++i) std::this_thread::sleep_for(10ms);
  board.put("overlay", R"({"items":[]})");
  reader.join();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "data: {\"seq\":1,\"parts\":{\"document\":{\"open\":false}}}\n\n");
  EXPECT_EQ(messages[1], "data: {\"seq\":2,\"parts\":{\"overlay\":{\"items\":[]}}}\n\n");
}

// Many guides are read apart from the stream: the latest bytes put, to the page's token only.
TEST_F(WebServerTest, TheGuidesBytesAreTheLatestPutAndNeedTheToken) {
  EXPECT_EQ(client()->Get("/guides.bin", allowed())->status, 404);
  board.putData("guides", std::string("\0\1\2", 3));
  board.putData("guides", std::string("\3\4", 2));
  auto bytes = client()->Get("/guides.bin?v=1", allowed());
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::make_tuple(bytes->status, bytes->body), std::make_tuple(200, std::string("\3\4", 2)));
  EXPECT_EQ(client()->Get("/guides.bin")->status, 401);
}

// Fifty pages at once, each following its stream while the host changes a part fifty times
// and every page sends events: each page ends with the latest part, every event is answered.
TEST_F(WebServerTest, FiftyClientsAtOnceEachFollowTheStreamToTheLatestPart) {
  constexpr int kClients = 50, kChanges = 50;
  const std::string last = "\"cursor\":\"" + std::to_string(kChanges - 1) + "\"";
  std::atomic<int> caughtUp{0}, answered{0};
  std::vector<std::thread> clients;
  for (int i = 0; i < kClients; ++i)
    clients.emplace_back([&] {
      if (follow(last)) ++caughtUp;
      auto reply = post(R"({"type":"fit"})");
      if (reply && reply->status == 200) ++answered;
    });
  for (int waited = 0; openStreams() < kClients && waited < 2000; ++waited) std::this_thread::sleep_for(5ms);
  EXPECT_EQ(openStreams(), kClients);
  for (int i = 0; i < kChanges; ++i) board.put("cursor", '"' + std::to_string(i) + '"');
  for (std::thread& client : clients) client.join();
  EXPECT_EQ(std::make_tuple(caughtUp.load(), answered.load(), eventsRun.load()),
            std::make_tuple(kClients, kClients, kClients));
}

// A page that opens its stream and never reads it, while the host publishes megabytes: the
// host's side never waits for it, and another page still gets every latest part and its
// answers (the stuck stream is ended when its writes time out).
TEST_F(WebServerTest, AClientThatNeverReadsItsStreamHoldsNobodyUp) {
  const int stuck = openRawStream();
  ASSERT_GE(stuck, 0);
  ASSERT_TRUE(streamsBecome(1));
  bool ended = false;
  std::thread follower([&] { ended = follow("\"end\""); });
  ASSERT_TRUE(streamsBecome(2));
  for (int i = 0; i < 40; ++i) {
    board.put("document", '"' + std::string(250000, 'a' + i % 26) + '"');  // 10 MB in all
    EXPECT_EQ(post(R"({"type":"fit"})")->status, 200);
  }
  board.put("document", "\"end\"");
  follower.join();
  EXPECT_TRUE(ended);
  ::close(stuck);
}

// As many pages as the server keeps streams for go away in the middle of a large message:
// their places come free, and as many new pages open their streams.
TEST_F(WebServerTest, ClientsThatGoAwayMidStreamFreeTheirPlaces) {
  board.put("document", '"' + std::string(1 << 20, 'x') + '"');
  std::vector<int> leaving;
  for (int i = 0; i < host::WebServer::kMaxStreams; ++i) leaving.push_back(openRawStream());
  for (int socket : leaving) {
    char some[4096];
    EXPECT_GT(::recv(socket, some, sizeof some, 0), 0);  // the message has begun
    ::close(socket);
  }
  // Not a speed: the whole message went into the server's socket buffers, so the clients are
  // found gone, as a page closed while nothing changes is, by the stream's keep-alive, which
  // comes every second (not every ten).
  for (int i = 0; i < 500 && openStreams() > 0; ++i) std::this_thread::sleep_for(10ms);
  EXPECT_EQ(openStreams(), 0);
  std::atomic<int> opened{0};
  std::vector<std::thread> clients;
  for (int i = 0; i < host::WebServer::kMaxStreams; ++i)
    clients.emplace_back([&] {
      client()->Get("/events", allowed(), [&](const char*, size_t) {
        ++opened;
        return false;
      });
    });
  for (std::thread& client : clients) client.join();
  EXPECT_EQ(opened, host::WebServer::kMaxStreams);
  EXPECT_EQ(post(R"({"type":"fit"})")->status, 200);
}

// The streams' cap: one below it and at it open, one above is refused, and the refused one
// holds no place; a stream that ends gives its place to the next.
TEST_F(WebServerTest, EventStreamsOpenUpToTheirCapAndARefusalKeepsNoPlace) {
  std::vector<int> streams;
  for (int i = 0; i < host::WebServer::kMaxStreams; ++i) {
    streams.push_back(openRawStream());
    ASSERT_TRUE(streamsBecome(i + 1)) << "stream " << i + 1;
  }
  const int refused = openRawStream();
  EXPECT_EQ(statusOf(receiveAll(refused, 4096)), 503);
  EXPECT_EQ(openStreams(), host::WebServer::kMaxStreams);
  ::close(refused);
  ::close(streams.back());
  streams.pop_back();
  ASSERT_TRUE(streamsBecome(host::WebServer::kMaxStreams - 1));
  const int again = openRawStream();
  char some[64];
  EXPECT_GT(::recv(again, some, sizeof some, 0), 0);
  EXPECT_EQ(statusOf(std::string(some, 12)), 200);
  EXPECT_EQ(openStreams(), host::WebServer::kMaxStreams);
  streams.push_back(again);
  for (int socket : streams) ::close(socket);
}
