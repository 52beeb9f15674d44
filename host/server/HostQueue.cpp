#include "server/HostQueue.h"

#include <nlohmann/json.hpp>

namespace host {

Reply errorReply(int status, const std::string& message) {
  return Reply{status, nlohmann::json{{"error", message}}.dump(-1, ' ', false,
                                                               nlohmann::json::error_handler_t::replace)};
}

namespace {

Reply mergedReply() { return Reply{200, R"({"ok":true,"merged":true})"}; }
Reply waitingForDialogReply() { return Reply{200, R"({"ok":true,"dialog":true})"}; }
Reply stoppedReply() { return errorReply(503, "the host is shutting down"); }

}  // namespace

std::future<Reply> HostQueue::post(Work work, std::string mergeKey) {
  auto task = std::make_shared<Task>();
  task->work = std::move(work);
  task->mergeKey = std::move(mergeKey);
  std::future<Reply> future = task->answer.get_future();
  std::lock_guard lock(mutex_);
  if (stopped_) {
    task->answer.set_value(stoppedReply());
    return future;
  }
  if (!task->mergeKey.empty() && !waiting_.empty() && waiting_.back()->mergeKey == task->mergeKey) {
    waiting_.back()->answer.set_value(mergedReply());
    waiting_.back() = std::move(task);
    return future;
  }
  if (waiting_.size() >= kMaxWaiting) {
    task->answer.set_value(errorReply(503, "the host is busy: too many requests are waiting"));
    return future;
  }
  waiting_.push_back(std::move(task));
  changed_.notify_one();
  return future;
}

void HostQueue::answer(Task& task, Reply reply) {
  if (task.answered) return;
  task.answered = true;
  task.answer.set_value(std::move(reply));
}

// Tasks still running when the host waits are inside a modal run: the dialog is showing
// and waits for the user, so their requests are done.
void HostQueue::answerRunningTasks() {
  for (const std::shared_ptr<Task>& task : running_) answer(*task, waitingForDialogReply());
}

bool HostQueue::runNext() {
  std::shared_ptr<Task> task;
  {
    std::unique_lock lock(mutex_);
    if (waiting_.empty() && !stopped_) {
      lock.unlock();
      if (idle_) idle_();
      answerRunningTasks();
      lock.lock();
      changed_.wait(lock, [&] { return stopped_ || !waiting_.empty(); });
    }
    if (stopped_) return false;
    task = std::move(waiting_.front());
    waiting_.pop_front();
  }
  running_.push_back(task);
  Reply reply;
  try {
    reply = task->work();
  } catch (const std::exception& error) {
    reply = errorReply(500, error.what());
  }
  running_.pop_back();
  answer(*task, std::move(reply));
  return true;
}

void HostQueue::stop() {
  std::lock_guard lock(mutex_);
  if (stopped_) return;
  stopped_ = true;
  for (const std::shared_ptr<Task>& task : waiting_) task->answer.set_value(stoppedReply());
  waiting_.clear();
  changed_.notify_all();
}

bool HostQueue::stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

}  // namespace host
