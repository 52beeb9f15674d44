// SIGINT and SIGTERM as requests to stop: blocked in every thread (so construct this before
// any thread starts) and read by a thread of its own, which calls back; the host's thread
// then ends its loop and shuts the plug-ins down as usual.
#ifndef GUIDES_HOST_SERVER_STOPSIGNALS_H
#define GUIDES_HOST_SERVER_STOPSIGNALS_H

#include <signal.h>

#include <functional>
#include <thread>

namespace host {

class StopSignals {
 public:
  explicit StopSignals(std::function<void()> onSignal);
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  void watch();

  std::function<void()> onSignal_;
  sigset_t previousMask_{};
  int signals_ = -1;  // a signalfd
  int wake_ = -1;     // an eventfd that ends the watch
  std::thread watcher_;
};

}  // namespace host

#endif
