// The exception that carries a host result code through a message, the checks that raise
// it, and the one guard that turns any exception back into a result code.
#ifndef GUIDES_IAIERROR_H
#define GUIDES_IAIERROR_H

#include <exception>
#include <new>
#include <type_traits>

#include "AITypes.h"

namespace ai {

class Error : public std::exception {
 public:
  explicit Error(AIErr code) noexcept : fCode(code) {}
  operator AIErr() const noexcept { return fCode; }
  const char* what() const noexcept override { return "host error"; }

 private:
  AIErr fCode;
};

inline void check_result(AIErr code) {
  if (code != kNoErr) throw Error(code);
}

}  // namespace ai

namespace aisdk {

inline void check_ai_error(AIErr code) {
  if (code != kNoErr) throw ai::Error(code);
}

}  // namespace aisdk

// Runs a handler so that no exception leaves it, wherever the plug-in is called from (a
// host message, a toolkit action, a host callback): an ai::Error gives its code, a failed
// allocation kOutOfMemoryErr, anything else kCantHappenErr. A handler that returns nothing
// answers kNoErr when it ends normally; a caller with nobody to tell ignores the result.
template <class Handler>
AIErr CallGuarded(Handler&& handler) noexcept {
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Handler&>>) {
      handler();
      return kNoErr;
    } else {
      return handler();
    }
  } catch (const ai::Error& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  } catch (...) {
    return kCantHappenErr;
  }
}

#endif
