// Texts in printouts are written as JSON writes them: in double quotes, with quotes,
// backslashes and control characters escaped, invalid UTF-8 replaced.
#ifndef GUIDES_HOST_APP_QUOTING_H
#define GUIDES_HOST_APP_QUOTING_H

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace host {

inline std::string jsonQuoted(std::string_view text) {
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace host

#endif
