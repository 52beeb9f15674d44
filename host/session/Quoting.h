// Texts in printouts are written as JSON writes them: in double quotes, with quotes,
// backslashes and control characters escaped, invalid UTF-8 replaced; texts in SVG markup
// are escaped for XML.
#ifndef GUIDES_HOST_SESSION_QUOTING_H
#define GUIDES_HOST_SESSION_QUOTING_H

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace host {

inline std::string jsonQuoted(std::string_view text) {
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Text inside SVG markup: the markup characters escaped, line breaks made spaces so that a
// text element stays on one line.
inline std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\n': case '\r': out += ' '; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace host

#endif
