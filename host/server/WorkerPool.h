// A fixed number of threads that run the server's handlers, and a bounded line of work
// waiting for them: work that finds the line full is refused at once, never queued without
// end.
#ifndef GUIDES_HOST_SERVER_WORKERPOOL_H
#define GUIDES_HOST_SERVER_WORKERPOOL_H

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace host {

class WorkerPool {
 public:
  WorkerPool(size_t threads, size_t maxWaiting);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // False, and the work dropped, when the line is full or the pool stopped.
  bool tryPost(std::function<void()> work);
  // Work not begun is dropped; waits for the work running to end.
  void stop();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> waiting_;
  size_t maxWaiting_;
  bool stopped_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace host

#endif
