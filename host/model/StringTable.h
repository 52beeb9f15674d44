// The host's strings: UTF-8 texts addressed by (slot, generation) references, so that a
// string disposed twice, or never made, is refused rather than followed.
#ifndef GUIDES_HOST_MODEL_STRINGTABLE_H
#define GUIDES_HOST_MODEL_STRINGTABLE_H

#include <cstddef>
#include <string>
#include <string_view>

#include "AITypes.h"
#include "model/SlotTable.h"

namespace host {

bool isValidUtf8(std::string_view text);

// The longest prefix of a valid UTF-8 text that fits maxBytes and ends on a character boundary.
size_t utf8PrefixLength(std::string_view text, size_t maxBytes);

class StringTable {
 public:
  // A new string; invalid UTF-8 is refused with kBadParameterErr.
  AIErr create(std::string_view utf8, Ref* string);
  // The text of a string: the empty text for a null reference, null for a stale one.
  const std::string* find(Ref string) const;
  // Frees a string; disposing a null reference does nothing, a stale one is kBadParameterErr.
  AIErr dispose(Ref string);
  size_t liveCount() const { return strings_.liveCount(); }

 private:
  SlotTable<std::string> strings_;
};

}  // namespace host

#endif
