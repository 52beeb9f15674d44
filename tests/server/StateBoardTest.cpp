// The state board: a new stream gets every part, then only the parts that changed; a part
// put again unchanged is no news; a slow stream skips to the latest; closing wakes streams.
#include <gtest/gtest.h>

#include <thread>

#include "server/StateBoard.h"

using host::StateBoard;
using namespace std::chrono_literals;

TEST(StateBoard, AStreamGetsEveryPartFirstThenOnlyWhatChanged) {
  StateBoard board;
  board.put("document", R"({"open":true})");
  board.put("overlay", R"({"items":[]})");
  StateBoard::Seen seen;
  const std::string first = board.waitForNews(seen, 0ms);
  EXPECT_EQ(first, R"({"seq":2,"parts":{"document":{"open":true},"overlay":{"items":[]}}})");
  board.put("document", R"({"open":true})");  // the same text: no news
  EXPECT_EQ(board.waitForNews(seen, 0ms), "");
  board.put("overlay", R"({"items":[1]})");
  EXPECT_EQ(board.waitForNews(seen, 0ms), R"({"seq":3,"parts":{"overlay":{"items":[1]}}})");
}

TEST(StateBoard, ASlowStreamSkipsStraightToTheLatestParts) {
  StateBoard board;
  StateBoard::Seen seen;
  for (int i = 0; i < 1000; ++i) board.put("cursor", "{\"n\":" + std::to_string(i) + "}");
  EXPECT_EQ(board.waitForNews(seen, 0ms), R"({"seq":1000,"parts":{"cursor":{"n":999}}})");
}

TEST(StateBoard, AWaitingStreamWakesForNewsAndForTheClose) {
  StateBoard board;
  StateBoard::Seen seen;
  std::thread host([&] {
    std::this_thread::sleep_for(20ms);
    board.put("guides", R"({"count":0})");
  });
  EXPECT_EQ(board.waitForNews(seen, 10s), R"({"seq":1,"parts":{"guides":{"count":0}}})");
  host.join();
  std::thread closer([&] {
    std::this_thread::sleep_for(20ms);
    board.close();
  });
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(board.waitForNews(seen, 10s), "");
  EXPECT_LT(std::chrono::steady_clock::now() - before, 5s);
  EXPECT_TRUE(board.isClosed());
  closer.join();
}
