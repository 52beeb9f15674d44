#include "server/Base64.h"

#include <cstdint>

namespace host {

std::string base64(std::string_view text) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const auto byte = [&text](size_t i) { return uint32_t{static_cast<unsigned char>(text[i])}; };
  std::string out;
  out.reserve((text.size() + 2) / 3 * 4);
  for (size_t i = 0; i < text.size(); i += 3) {
    const uint32_t chunk = byte(i) << 16 | (i + 1 < text.size() ? byte(i + 1) << 8 : 0) |
                           (i + 2 < text.size() ? byte(i + 2) : 0);
    out += kDigits[chunk >> 18 & 63];
    out += kDigits[chunk >> 12 & 63];
    out += i + 1 < text.size() ? kDigits[chunk >> 6 & 63] : '=';
    out += i + 2 < text.size() ? kDigits[chunk & 63] : '=';
  }
  return out;
}

}  // namespace host
