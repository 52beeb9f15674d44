// What the page draws of the front document's art, shared by the document's part and the
// guides: which paths are drawn, and their names as JSON strings.
#ifndef GUIDES_HOST_SERVER_DRAWNART_H
#define GUIDES_HOST_SERVER_DRAWNART_H

#include <string>

#include <nlohmann/json.hpp>

#include "model/ArtWalk.h"

namespace host {

// Hidden art, or art inside a hidden group or layer, is not drawn; nor is a path without
// segments.
inline bool isDrawn(const Model& model, uint32_t slot, const Art& art) {
  return art.type == kPathArt && !art.segments.empty() && isShown(model, slot);
}

// A text as a JSON string; bytes that are not UTF-8 become U+FFFD.
inline std::string jsonQuoted(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace host

#endif
