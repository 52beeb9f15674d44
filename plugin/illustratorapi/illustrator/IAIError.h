// The exception that carries a host result code through a message, and the checks that raise it.
#ifndef GUIDES_IAIERROR_H
#define GUIDES_IAIERROR_H

#include <exception>

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

#endif
