// Clients no page would be, against the server's bounds: each bound holds at its limit and
// refuses one past it, and none of these clients, without the token, costs the host memory
// or keeps a worker from a page.
#include <fstream>

#include "ServerFixture.h"

using namespace std::chrono_literals;

namespace {

// The process's resident memory, in bytes, from /proc.
size_t residentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stoul(line.substr(6)) * 1024;
  return 0;
}

class HostileClientsTest : public ServerTest {
 protected:
  // A request with the token whose head is exactly `bytes` long, padded in one header.
  std::string headOfSize(size_t bytes) const {
    const std::string start = head("GET /assets/main.js HTTP/1.1") + "X-Pad: ";
    return start + std::string(bytes - start.size() - 4, 'p') + "\r\n\r\n";
  }
  // A request with the token of `lines` header lines in all.
  std::string headWithLines(size_t lines) const {
    std::string request = head("GET /assets/main.js HTTP/1.1");  // Host and Cookie
    for (size_t i = 2; i < lines; ++i) request += "X-Line-" + std::to_string(i) + ": x\r\n";
    return request + "\r\n";
  }
  int postEvent(const std::string& body, const std::string& more = "") {
    return exchange(head("POST /event HTTP/1.1") + "Content-Type: application/json\r\nContent-Length: " +
                    std::to_string(body.size()) + "\r\n" + more + "\r\n" + body);
  }
  bool pageAnswers(int seconds) {
    auto page = client(seconds)->Get("/assets/main.js", allowed());
    return page && page->status == 200;
  }
};

}  // namespace

// 100,000 header lines of 8,000 bytes without Host or token: the server stops reading at its
// bound, so what it holds stays small, and it goes on serving the page.
TEST_F(HostileClientsTest, AHeaderFloodWithoutTheTokenCostsNoMemory) {
  startServer();
  const size_t before = residentBytes();
  const int flood = connectTo(server->port());
  bool cut = !sendAll(flood, "GET /assets/main.js HTTP/1.1\r\n");
  const std::string line = "X-Flood: " + std::string(7989, 'f') + "\r\n";
  for (int i = 0; i < 100000 && !cut; ++i) cut = !sendAll(flood, line);
  EXPECT_TRUE(cut) << "the server read every line";
  ::close(flood);
  const size_t after = residentBytes();
  EXPECT_LT(after > before ? after - before : 0, 16u << 20);
  EXPECT_TRUE(pageAnswers(5));
}

TEST_F(HostileClientsTest, TheHeadIsBoundedInBytesAndInLines) {
  const host::HttpLimits limits;
  startServer();
  EXPECT_EQ(exchange(headOfSize(limits.maxHeadBytes)), 200);
  EXPECT_EQ(exchange(headOfSize(limits.maxHeadBytes + 1)), 431);
  EXPECT_EQ(exchange(headWithLines(limits.maxHeaderLines)), 200);
  EXPECT_EQ(exchange(headWithLines(limits.maxHeaderLines + 1)), 431);
  const std::string path = "/assets/" + std::string(limits.maxTargetBytes - 8, 'a');
  EXPECT_EQ(exchange(head("GET " + path + " HTTP/1.1") + "\r\n"), 404);
  EXPECT_EQ(exchange(head("GET " + path + "a HTTP/1.1") + "\r\n"), 414);
}

// An event's body up to its bound is read (JSON may end in spaces); one byte more is not, and
// neither is a body in chunks or compressed, whatever the token: the page sends neither.
TEST_F(HostileClientsTest, BodiesAreReadWholeUpToTheirBoundAndOnlyWithALength) {
  startServer();
  const std::string fit = R"({"type":"fit"})";
  EXPECT_EQ(postEvent(fit + std::string(host::WebServer::kMaxBody - fit.size(), ' ')), 200);
  EXPECT_EQ(postEvent(fit + std::string(host::WebServer::kMaxBody - fit.size() + 1, ' ')), 413);
  EXPECT_EQ(eventsRun, 1);
  const std::string chunked = head("POST /event HTTP/1.1") +
                              "Content-Type: application/json\r\nTransfer-Encoding: chunked\r\n\r\n" +
                              "e\r\n" + fit + "\r\n0\r\n\r\n";
  EXPECT_EQ(exchange(chunked), 411);
  EXPECT_EQ(postEvent(fit, "Content-Encoding: gzip\r\n"), 415);
  EXPECT_EQ(postEvent(fit, "Content-Encoding: identity\r\n"), 415);
  EXPECT_EQ(exchange("POST /event HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n"), 411);
  EXPECT_EQ(eventsRun, 1);
}

// 100 clients that send half a request and then a byte now and then, and 100 that send
// nothing, from addresses of their own: none holds a worker, the page is answered at once.
TEST_F(HostileClientsTest, SlowAndSilentClientsKeepNoWorkerFromThePage) {
  startServer();
  std::vector<int> slow, silent;
  for (int i = 0; i < 100; ++i) {
    const std::string from = "127.0.1." + std::to_string(i + 1);
    slow.push_back(connectTo(server->port(), from.c_str()));
    sendAll(slow.back(), "GET /assets/main.js HTTP/1.1\r\nX-Slow: ");
    silent.push_back(connectTo(server->port(), ("127.0.2." + std::to_string(i + 1)).c_str()));
  }
  std::atomic<bool> done{false};
  std::thread trickle([&] {
    for (int round = 0; round < 100 && !done; ++round) {
      for (int socket : slow) ::send(socket, "s", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
      std::this_thread::sleep_for(20ms);
    }
  });
  EXPECT_TRUE(pageAnswers(1));
  EXPECT_EQ(post(R"({"type":"fit"})")->status, 200);
  done = true;
  trickle.join();
  for (int socket : slow) ::close(socket);
  for (int socket : silent) ::close(socket);
}

// The whole head must come in its time, however its bytes are spread: a client sending a
// byte every 100 ms is dropped after the head's time, while one that sends its head in two
// halves within that time is served.
TEST_F(HostileClientsTest, TheHeadsTimeCountsFromItsStartNotFromEachRead) {
  host::HttpLimits limits;
  limits.headTime = 1s;
  startServer(limits);
  const int halves = connectTo(server->port());
  const std::string request = head("GET /assets/main.js HTTP/1.1") + "\r\n";
  sendAll(halves, request.substr(0, 20));
  std::this_thread::sleep_for(300ms);
  sendAll(halves, request.substr(20));
  EXPECT_EQ(statusOf(receiveAll(halves, 12)), 200);
  ::close(halves);

  const int dribble = connectTo(server->port());
  bool dropped = false;
  for (int i = 0; i < 50 && !dropped; ++i) {  // 5 s at most, five times the head's time
    dropped = !sendAll(dribble, "G") || !isOpen(dribble);
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_TRUE(dropped || closedByServer(dribble));
  ::close(dribble);
}

// Beyond the connections one address may keep waiting, the oldest of that address is
// dropped; beyond those of all addresses, the oldest of all. Each drop shows that the
// server took every connection before it, in order.
TEST_F(HostileClientsTest, WaitingConnectionsBeyondTheirBoundsDropTheOldest) {
  host::HttpLimits limits;
  limits.waitingPerClient = 3;
  limits.waitingInAll = 6;
  startServer(limits);
  auto from = [this](const char* address) { return connectTo(server->port(), address, 2); };
  const int a1 = from("127.0.3.1"), a2 = from("127.0.3.1"), a3 = from("127.0.3.1");
  const int b1 = from("127.0.3.2"), b2 = from("127.0.3.2");
  const int a4 = from("127.0.3.1");  // one more than 127.0.3.1 may keep
  EXPECT_TRUE(closedByServer(a1));
  EXPECT_TRUE(isOpen(a2));
  const int c1 = from("127.0.3.3");  // six in all: the bound
  const int c2 = from("127.0.3.3");  // one more than all may keep
  EXPECT_TRUE(closedByServer(a2));
  for (int socket : {a3, b1, b2, a4, c1}) EXPECT_TRUE(isOpen(socket));
  sendAll(a4, head("GET /assets/main.js HTTP/1.1") + "\r\n");
  EXPECT_EQ(statusOf(receiveAll(a4, 12)), 200);
  for (int socket : {a1, a2, a3, b1, b2, a4, c1, c2}) ::close(socket);
}

// With one worker and a line of one: a request is served, one waits, the next is refused at
// once, and both others are answered when the host gets on.
TEST_F(HostileClientsTest, RequestsBeyondTheWorkersAndTheirLineAreRefused) {
  host::HttpLimits limits;
  limits.workers = 1;
  limits.queuedRequests = 1;
  std::atomic<bool> release{false};
  runEvent = [&](const host::WebEvent&) {
    for (int i = 0; i < 1000 && !release; ++i) std::this_thread::sleep_for(5ms);
  };
  startServer(limits);
  std::atomic<int> first{0}, second{0};
  std::thread served([&] { first = post(R"({"type":"fit"})")->status; });
  for (int i = 0; i < 500 && eventsRun == 0; ++i) std::this_thread::sleep_for(5ms);
  std::thread waiting([&] { second = post(R"({"type":"fit"})")->status; });
  std::this_thread::sleep_for(300ms);  // not a measure: lets the second take its place in line
  EXPECT_EQ(post(R"({"type":"fit"})")->status, 503);
  release = true;
  served.join();
  waiting.join();
  EXPECT_EQ(std::make_tuple(first.load(), second.load(), eventsRun.load()), std::make_tuple(200, 200, 2));
}
