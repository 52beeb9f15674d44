// The host's queue: tasks run on the thread that asks for them, in order; moves waiting are
// merged; a task that waits for a dialog's events is answered while it waits; a stopped
// queue runs nothing and answers every request.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "server/HostQueue.h"

using host::HostQueue;
using host::Reply;
using namespace std::chrono_literals;

namespace {

// The answer of a request, or a failure once a limit passes: a broken bound fails, it never hangs.
Reply answer(std::future<Reply>& future) {
  if (future.wait_for(10s) != std::future_status::ready) throw std::runtime_error("no answer within 10 s");
  return future.get();
}

// Every test's queue is stopped if the test is not over within 10 s, so that a runNext()
// waiting for a task that never comes returns false and fails instead of hanging.
class HostQueueTest : public ::testing::Test {
 protected:
  ~HostQueueTest() override {
    {
      std::lock_guard lock(mutex_);
      over_ = true;
    }
    done_.notify_one();
    limit_.join();
  }

  HostQueue queue;

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool over_ = false;
  std::thread limit_{[this] {
    std::unique_lock lock(mutex_);
    if (!done_.wait_for(lock, 10s, [this] { return over_; })) queue.stop();
  }};
};

HostQueue::Work answering(std::vector<std::string>& ran, std::string name) {
  return [&ran, name] {
    ran.push_back(name);
    return Reply{200, name};
  };
}

}  // namespace

TEST_F(HostQueueTest, TasksRunInOrderOnTheHostsThreadAndEachIsAnswered) {
  std::vector<std::string> ran;
  auto first = queue.post(answering(ran, "first"));
  auto second = queue.post(answering(ran, "second"));
  const std::thread::id hostThread = std::this_thread::get_id();
  std::thread::id ranOn;
  auto third = queue.post([&] {
    ranOn = std::this_thread::get_id();
    return Reply{418, "third"};
  });
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(queue.runNext());
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(ranOn, hostThread);
  EXPECT_EQ(std::make_tuple(answer(first).body, answer(second).body, answer(third).status),
            std::make_tuple("first", "second", 418));
}

TEST_F(HostQueueTest, AMoveWaitingIsReplacedByTheNextAndAnsweredAsMerged) {
  std::vector<std::string> ran;
  auto click = queue.post(answering(ran, "click"));
  auto move1 = queue.post(answering(ran, "move 1"), "move");
  auto move2 = queue.post(answering(ran, "move 2"), "move");
  auto key = queue.post(answering(ran, "key"));
  auto move3 = queue.post(answering(ran, "move 3"), "move");
  EXPECT_EQ(answer(move1).body, R"({"ok":true,"merged":true})");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(queue.runNext());
  EXPECT_EQ(ran, (std::vector<std::string>{"click", "move 2", "key", "move 3"}));
  EXPECT_EQ(answer(move2).body, "move 2");
}

TEST_F(HostQueueTest, ATaskRunningADialogIsAnsweredOnceTheHostWaitsForTheDialogsEvents) {
  int idles = 0;
  queue.setIdle([&] { ++idles; });
  std::future<Reply> inner;
  auto opener = queue.post([&] {
    // The dialog's modal run waits for its events through the same queue.
    EXPECT_TRUE(queue.runNext());
    return Reply{200, "closed"};
  });
  std::thread page([&] {
    EXPECT_EQ(opener.wait_for(10s), std::future_status::ready);
    inner = queue.post([] { return Reply{200, "ok clicked"}; });
  });
  ASSERT_TRUE(queue.runNext());
  page.join();
  EXPECT_EQ(answer(opener).body, R"({"ok":true,"dialog":true})");
  EXPECT_EQ(answer(inner).body, "ok clicked");
  EXPECT_EQ(idles, 1);
}

TEST_F(HostQueueTest, AStoppedQueueRunsNothingAndAnswersEveryRequest) {
  std::vector<std::string> ran;
  auto waiting = queue.post(answering(ran, "waiting"));
  std::thread([&] { queue.stop(); }).join();
  EXPECT_FALSE(queue.runNext());
  EXPECT_EQ(answer(waiting).status, 503);
  auto late = queue.post(answering(ran, "late"));
  EXPECT_EQ(answer(late).status, 503);
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(queue.stopped());
}

// The host waits on a thread of its own, left behind should the stop not wake it.
TEST(HostQueue, AStopWakesTheHostWaitingForTasks) {
  const auto queue = std::make_shared<HostQueue>();
  std::packaged_task<bool()> host([queue] { return queue->runNext(); });
  std::future<bool> woken = host.get_future();
  std::thread(std::move(host)).detach();
  std::this_thread::sleep_for(20ms);
  queue->stop();
  ASSERT_EQ(woken.wait_for(10s), std::future_status::ready);
  EXPECT_FALSE(woken.get());
}

TEST_F(HostQueueTest, AFloodOfRequestsIsRefusedBeyondTheBoundAndTheRestRun) {
  std::vector<std::string> ran;
  std::vector<std::future<Reply>> answers;
  for (size_t i = 0; i <= HostQueue::kMaxWaiting; ++i) answers.push_back(queue.post(answering(ran, "t")));
  EXPECT_EQ(answer(answers.back()).status, 503);
  for (size_t i = 0; i < HostQueue::kMaxWaiting; ++i) ASSERT_TRUE(queue.runNext());
  EXPECT_EQ(ran.size(), HostQueue::kMaxWaiting);
}

TEST_F(HostQueueTest, AnExceptionInATaskIsAnsweredAsTheHostsFault) {
  auto answered = queue.post([]() -> Reply { throw std::runtime_error("boom"); });
  ASSERT_TRUE(queue.runNext());
  const Reply reply = answer(answered);
  EXPECT_EQ(std::make_tuple(reply.status, reply.body), std::make_tuple(500, R"({"error":"boom"})"));
}
