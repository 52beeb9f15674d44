// The results the host's suites answer, watched for the checks of random sessions: while
// the watch is on, every operation that answers an error is kept with its suite and
// operation names until it is taken.
#ifndef GUIDES_HOST_MODEL_SUITECALLWATCH_H
#define GUIDES_HOST_MODEL_SUITECALLWATCH_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace host {

struct FailedCall {
  std::string suite;
  std::string operation;
  int32_t result = 0;
};

class SuiteCallWatch {
 public:
  bool isOn() const { return on_; }
  void setOn(bool on) { on_ = on; }

  void record(const char* suite, const char* operation, int32_t result) {
    if (result != 0 && failed_.size() < kMaxKept) failed_.push_back(FailedCall{suite, operation, result});
  }
  // The failed calls since the last take, oldest first.
  std::vector<FailedCall> take() { return std::exchange(failed_, {}); }

 private:
  // A plug-in stuck in a loop of failing calls fills no more than this.
  static constexpr size_t kMaxKept = 4096;

  bool on_ = false;
  std::vector<FailedCall> failed_;
};

}  // namespace host

#endif
