// Bytes as base64 text, for the parts of the page's state that carry bytes (cursor pixels,
// small sets of guides).
#ifndef GUIDES_HOST_SERVER_BASE64_H
#define GUIDES_HOST_SERVER_BASE64_H

#include <string>
#include <string_view>

namespace host {

std::string base64(std::string_view bytes);

}  // namespace host

#endif
