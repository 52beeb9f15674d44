// The HTTP server against a stand-in for the host's thread: the token moves from the address
// to a cookie; foreign hosts and origins, missing tokens, large or malformed bodies are
// refused with a 4xx answer and reach no host; the event stream starts with every part and
// follows the changes; many streams at once, and streams that go away, hold nobody up.
#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "server/WebServer.h"

using namespace std::chrono_literals;

namespace {

class WebServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("guides-web-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "index.html") << "<!doctype html><title>page</title>";
    std::ofstream(folder / "main.js") << "export {};";
    std::string error;
    ASSERT_TRUE(assets.load(folder, &error)) << error;
    board.put("document", R"({"open":false})");
    server = std::make_unique<host::WebServer>(queue, board, assets, [this](const host::WebEvent& event) {
      ++eventsRun;
      lastEvent = event.name;
      return host::Reply{200, R"({"ok":true})"};
    });
    ASSERT_TRUE(server->start("127.0.0.1", 0, &error)) << error;
    hostThread = std::thread([this] {
      while (queue.runNext()) {
      }
    });
    const std::string address = server->address();
    token = address.substr(address.find("token=") + 6);
  }
  void TearDown() override {
    queue.stop();
    hostThread.join();
    server->stop();
    std::filesystem::remove_all(folder);
  }

  std::unique_ptr<httplib::Client> client() {
    auto made = std::make_unique<httplib::Client>("127.0.0.1", server->port());
    made->set_read_timeout(10, 0);
    return made;
  }
  httplib::Headers allowed(httplib::Headers more = {}) {
    more.emplace("Cookie", "guides_token=" + token);
    return more;
  }
  httplib::Result post(const std::string& body, httplib::Headers headers = {}) {
    return client()->Post("/event", allowed(std::move(headers)), body, "application/json");
  }

  std::filesystem::path folder;
  host::HostQueue queue;
  host::StateBoard board;
  host::WebAssets assets;
  std::unique_ptr<host::WebServer> server;
  std::thread hostThread;
  std::string token;
  std::atomic<int> eventsRun{0};
  std::string lastEvent;
};

}  // namespace

TEST_F(WebServerTest, TheTokenOfTheAddressBecomesACookieAndTheCookieOpensThePage) {
  auto first = client()->Get(("/?token=" + token).c_str());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->status, 303);
  EXPECT_EQ(first->get_header_value("Location"), "/");
  EXPECT_EQ(first->get_header_value("Set-Cookie"), "guides_token=" + token + "; Path=/; HttpOnly; SameSite=Strict");
  auto page = client()->Get("/", allowed());
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->body, "<!doctype html><title>page</title>");
  EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'self'"), std::string::npos);
  auto script = client()->Get("/assets/main.js", allowed());
  ASSERT_TRUE(script);
  EXPECT_EQ(script->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
  EXPECT_EQ(client()->Get("/assets/..%2Findex.html", allowed())->status, 404);
  EXPECT_EQ(client()->Get("/assets/missing.js", allowed())->status, 404);
}

TEST_F(WebServerTest, RequestsWithoutTheTokenFromElsewhereOrMalformedReachNoHost) {
  EXPECT_EQ(client()->Get("/")->status, 401);
  EXPECT_EQ(client()->Post("/event", R"({"type":"fit"})", "application/json")->status, 401);
  EXPECT_EQ(client()->Get("/", allowed({{"Host", "rebound.example:80"}}))->status, 403);
  EXPECT_EQ(post(R"({"type":"fit"})", {{"Origin", "http://evil.example"}})->status, 403);
  EXPECT_EQ(post(R"({"type":"fit"})", {{"Sec-Fetch-Site", "cross-site"}})->status, 403);
  EXPECT_EQ(client()->Post("/event", allowed(), R"({"type":"fit"})", "text/plain")->status, 415);
  auto large = post("{\"type\":\"tool\",\"name\":\"" + std::string(host::WebServer::kMaxBody, 'x') + "\"}");
  ASSERT_TRUE(large);
  EXPECT_EQ(large->status, 413);
  auto malformed = post("{\"type\":\"click\",\"x\":5000,\"y\":1}");
  ASSERT_TRUE(malformed);
  EXPECT_EQ(malformed->status, 400);
  EXPECT_EQ(malformed->body, R"j({"error":"'x' is out of range (0 to 1000)"})j");
  EXPECT_EQ(eventsRun, 0);
  auto good = post(R"({"type":"tool","name":"Outil Guides"})", {{"Origin", "http://localhost:" + std::to_string(server->port())}});
  ASSERT_TRUE(good);
  EXPECT_EQ(good->status, 200);
  EXPECT_EQ(eventsRun, 1);
  EXPECT_EQ(lastEvent, "Outil Guides");
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

TEST_F(WebServerTest, FiftyStreamsAtOnceAndStreamsThatGoAwayHoldNobodyUp) {
  std::atomic<int> first{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < 50; ++i)
    readers.emplace_back([&] {
      client()->Get("/events", allowed(), [&](const char*, size_t) {
        ++first;
        return false;  // goes away after the first message
      });
    });
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(first, 50);
  // A client that opens a stream and never reads it.
  httplib::Client idle("127.0.0.1", server->port());
  std::thread never([&] {
    idle.set_read_timeout(1, 0);
    idle.Get("/events", allowed(), [](const char*, size_t) {
      std::this_thread::sleep_for(1500ms);
      return false;
    });
  });
  for (int i = 0; i < 20; ++i) board.put("cursor", std::string(100000, ' ') + std::to_string(i));
  const auto before = std::chrono::steady_clock::now();
  auto answer = post(R"({"type":"fit"})");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);  // not a speed: a stall never ends
  never.join();
}
