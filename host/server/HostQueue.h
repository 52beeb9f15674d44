// The one thread that owns the host, as on a desktop: the server's threads never touch the
// model, the toolkit or the plug-in. Each request becomes a task posted here; the host's
// thread runs the tasks one at a time, in order, and each task's answer goes back to the
// thread that waits for it.
#ifndef GUIDES_HOST_SERVER_HOSTQUEUE_H
#define GUIDES_HOST_SERVER_HOSTQUEUE_H

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace host {

// An HTTP answer: its status and its JSON body.
struct Reply {
  int status = 200;
  std::string body;
};

// {"error": message} with a 4xx or 5xx status.
Reply errorReply(int status, const std::string& message);

class HostQueue {
 public:
  using Work = std::function<Reply()>;

  // Tasks waiting beyond this many are refused (503): a flood of requests cannot hold the
  // host's memory.
  static constexpr size_t kMaxWaiting = 1024;

  // Any thread. A task with a merge key replaces the last waiting task of the same key
  // (which is answered at once as merged): mouse moves that arrive while one is served
  // leave no backlog. The answer comes when the host has run the task; a task that opens a
  // dialog running modally is answered as soon as the host waits for the dialog's events.
  std::future<Reply> post(Work work, std::string mergeKey = {});

  // The host's thread: runs the next task, waiting for one when none is there (`idle`
  // runs first, each time the queue is found empty). False once stopped. It may be called
  // from inside a task, by a modal run waiting for its events.
  bool runNext();
  void setIdle(std::function<void()> idle) { idle_ = std::move(idle); }

  // Any thread: nothing more runs; the tasks waiting are answered 503.
  void stop();
  bool stopped() const;

 private:
  struct Task {
    Work work;
    std::string mergeKey;
    std::promise<Reply> answer;
    bool answered = false;
  };
  void answer(Task& task, Reply reply);
  void answerRunningTasks();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Task>> waiting_;
  bool stopped_ = false;
  // The host's thread only: the tasks running, outermost first (a modal run nests them).
  std::vector<std::shared_ptr<Task>> running_;
  std::function<void()> idle_;
};

}  // namespace host

#endif
