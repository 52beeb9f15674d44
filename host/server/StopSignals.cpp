#include "server/StopSignals.h"

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace host {

StopSignals::StopSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  sigset_t stopping;
  sigemptyset(&stopping);
  sigaddset(&stopping, SIGINT);
  sigaddset(&stopping, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopping, &previousMask_);
  signals_ = signalfd(-1, &stopping, SFD_CLOEXEC);
  wake_ = eventfd(0, EFD_CLOEXEC);
  watcher_ = std::thread([this] { watch(); });
}

StopSignals::~StopSignals() {
  const uint64_t one = 1;
  if (wake_ >= 0 && write(wake_, &one, sizeof one) < 0) {
    // The watcher is only woken at the end; a failed write leaves nothing to undo.
  }
  if (watcher_.joinable()) watcher_.join();
  if (signals_ >= 0) close(signals_);
  if (wake_ >= 0) close(wake_);
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void StopSignals::watch() {
  pollfd watched[2] = {{signals_, POLLIN, 0}, {wake_, POLLIN, 0}};
  for (;;) {
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents) return;
    if (watched[0].revents) {
      signalfd_siginfo info{};
      if (read(signals_, &info, sizeof info) == sizeof info) onSignal_();
    }
  }
}

}  // namespace host
