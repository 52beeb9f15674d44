// The routes of the user's SVG files, answered on the host's thread through the queue:
//   POST /document?name=NAME  the body, an SVG file of the user's, opened as a new document
//   GET  /document.svg        the document in front as its SVG file, to download
//   GET  /picture/ID.svg      the file document ID was opened from, as the browser draws it
// Files come and go as bytes: no request names a path on the host's disk.
#ifndef GUIDES_HOST_SERVER_DOCUMENTROUTES_H
#define GUIDES_HOST_SERVER_DOCUMENTROUTES_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "server/HostQueue.h"
#include "server/RouteTable.h"

namespace host {

// What the host does for those routes, on its own thread.
struct PageFiles {
  std::function<Reply(std::string bytes, const std::string& name)> open;
  std::function<Reply(std::string* name)> download;  // the body is the file
  std::function<Reply(uint64_t document)> picture;   // the body is the file
};

// An upload above this size is refused (413) before it is read further.
inline constexpr size_t kMaxUploadBytes = 64 * 1024 * 1024;

void addDocumentRoutes(RouteTable& routes, HostQueue& queue, PageFiles files);

// %XX escapes of a query value undone; nothing for a broken escape.
std::optional<std::string> percentDecoded(std::string_view text);

}  // namespace host

#endif
