// The C boundary of the host's suites: plug-ins are C callers, so no C++ exception may go
// back into one. An operation that throws answers kOutOfMemoryErr when memory ran out and
// kCantHappenErr for anything else (false for a yes/no question), and the host logs
// "suite call <suite>.<operation> threw: <what>".
#ifndef GUIDES_HOST_SUITES_SUITEBARRIER_H
#define GUIDES_HOST_SUITES_SUITEBARRIER_H

#include <exception>
#include <new>
#include <type_traits>

#include "AITypes.h"

namespace host {

// Logs the throw; a log line that cannot be made is dropped rather than thrown.
void logSuiteThrow(const char* suite, const char* operation, const char* what) noexcept;

// What an operation answers in place of the exception.
template <class Result>
Result answerForThrow(AIErr error) noexcept {
  if constexpr (std::is_same_v<Result, AIErr>)
    return error;
  else
    return Result{};
}

// Runs call(), whose exceptions stop here.
template <class Result, class Call>
Result behindBarrier(const char* suite, const char* operation, Call&& call) noexcept {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    logSuiteThrow(suite, operation, "out of memory");
    return answerForThrow<Result>(kOutOfMemoryErr);
  } catch (const std::exception& error) {
    logSuiteThrow(suite, operation, error.what());
  } catch (...) {
    logSuiteThrow(suite, operation, "an unknown exception");
  }
  return answerForThrow<Result>(kCantHappenErr);
}

}  // namespace host

#endif
