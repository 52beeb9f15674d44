#include "server/WorkerPool.h"

namespace host {

WorkerPool::WorkerPool(size_t threads, size_t maxWaiting) : maxWaiting_(maxWaiting) {
  for (size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { run(); });
}

WorkerPool::~WorkerPool() { stop(); }

bool WorkerPool::tryPost(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_ || waiting_.size() >= maxWaiting_) return false;
    waiting_.push_back(std::move(work));
  }
  changed_.notify_one();
  return true;
}

void WorkerPool::stop() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    dropped.swap(waiting_);
  }
  changed_.notify_all();
  for (std::thread& thread : threads_)
    if (thread.joinable()) thread.join();
}

void WorkerPool::run() {
  for (;;) {
    std::function<void()> work;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopped_ || !waiting_.empty(); });
      if (stopped_) return;
      work = std::move(waiting_.front());
      waiting_.pop_front();
    }
    work();
  }
}

}  // namespace host
