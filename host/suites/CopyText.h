// Texts handed back into a buffer the caller owns: never past its capacity.
#ifndef GUIDES_HOST_SUITES_COPYTEXT_H
#define GUIDES_HOST_SUITES_COPYTEXT_H

#include <cstddef>
#include <cstring>
#include <string_view>

#include "AITypes.h"
#include "model/StringTable.h"

namespace host {

// Copies UTF-8 text cut at a character boundary to capacity - 1 bytes, and terminates it.
// A null buffer or a capacity of 0 is kBadParameterErr and nothing is written.
inline AIErr copyText(std::string_view text, char* buffer, size_t capacity) {
  if (!buffer || capacity == 0) return kBadParameterErr;
  const size_t length = utf8PrefixLength(text, capacity - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return kNoErr;
}

}  // namespace host

#endif
