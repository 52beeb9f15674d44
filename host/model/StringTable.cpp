#include "model/StringTable.h"

namespace host {

namespace {

// Length of the UTF-8 sequence starting with this byte, or 0 for a byte that cannot start one.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Rejects overlong forms, surrogates and code points past U+10FFFF, which the lead byte
// alone does not rule out.
bool secondByteAllowed(unsigned char lead, unsigned char second) {
  if (lead == 0xE0) return second >= 0xA0;
  if (lead == 0xED) return second <= 0x9F;
  if (lead == 0xF0) return second >= 0x90;
  if (lead == 0xF4) return second <= 0x8F;
  return true;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = sequenceLength(lead);
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return false;
    if (length > 1 && !secondByteAllowed(lead, static_cast<unsigned char>(text[i + 1])))
      return false;
    i += length;
  }
  return true;
}

size_t utf8PrefixLength(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  size_t cut = maxBytes;
  while (cut > 0 && isContinuation(static_cast<unsigned char>(text[cut]))) --cut;
  return cut;
}

AIErr StringTable::create(std::string_view utf8, Ref* string) {
  if (!isValidUtf8(utf8)) return kBadParameterErr;
  const Ref made = strings_.insert(std::string(utf8));
  if (made.isNull()) return kTooManyErr;
  *string = made;
  return kNoErr;
}

const std::string* StringTable::find(Ref string) const {
  static const std::string empty;
  if (string.isNull()) return &empty;
  return strings_.find(string);
}

AIErr StringTable::dispose(Ref string) {
  if (string.isNull()) return kNoErr;
  if (!strings_.isLive(string)) return kBadParameterErr;
  strings_.erase(string);
  return kNoErr;
}

}  // namespace host
