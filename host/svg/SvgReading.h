// Reading an SVG file into what the host sees of it. Nothing outside the bytes given is
// read: no external entity, no `href` to a URL, no file outside `folder`.
#ifndef GUIDES_HOST_SVG_SVGREADING_H
#define GUIDES_HOST_SVG_SVGREADING_H

#include <filesystem>
#include <string>

#include "svg/SvgDocument.h"

namespace host::svg {

// The largest file the host opens.
constexpr size_t kMaxFileBytes = 64 * 1024 * 1024;

// Reads `bytes` (moved into document->bytes). `folder` is the opened file's own folder:
// only files inside it may be read for `use` or `image` references; empty for a file that
// came with no folder (an upload), where no file is read at all. False, with a one-line
// reason for the user ("not an SVG file: the root element is <html>"), when the bytes are
// no SVG document the host can open; *document is then unspecified.
bool readSvg(std::string bytes, const std::filesystem::path& folder, SvgDocument* document,
             std::string* reason);

// The same for a file on disk (at most kMaxFileBytes).
bool readSvgFile(const std::filesystem::path& file, SvgDocument* document, std::string* reason);

}  // namespace host::svg

#endif
