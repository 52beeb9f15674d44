// The parts of what the page shows, each as compact JSON text, made on the host's thread.
// Coordinates are the stored values written as the shortest decimal that reads back to the
// same double, as the JSON export writes them; overlay items are in view pixels.
#ifndef GUIDES_HOST_SERVER_STATEPARTS_H
#define GUIDES_HOST_SERVER_STATEPARTS_H

#include <cstdint>
#include <memory>
#include <string>

#include "server/GuideList.h"

namespace host {

// A cheap summary of the front document, to tell whether its parts must be made again, and
// the guides it draws (the same list while the art and its layers are unchanged).
struct DocumentFingerprint {
  uint64_t document = 0;  // artboards, view, layers, unit, the art that is not a guide
  std::shared_ptr<const GuideList> guides;  // never null
};
DocumentFingerprint fingerprintFrontDocument();

// {"open", "name", "rulerUnit", "artboards": [{"name", "rect": [l, t, r, b]}],
//  "activeArtboard", "view": {"zoom", "centre": [h, v], "width", "height", "minZoom", "maxZoom"},
//  "layers": [{"title", "editable", "visible"}], "canUndo", "canRedo",
//  "picture": {"url", "rect": [l, t, r, b]}, "savedTo", "fileGuides": [[h, v, dh, dv], ...],
//  "art": [{"name", "file", "closed", "selected", "p": [h, v, ...], "c": [in h, in v, out h, out v, ...]}]}
// art drawn back to front, only visible paths; "c" only for paths with curves; "picture"
// for a document opened from a file (the file as the browser draws it, served at "url"),
// "savedTo" (a file name) when a save writes back to disk, "fileGuides" when the file has
// guides of its own, "file" for art read from the file. With no document open, {"open": false,
// "view": {"width", "height", "minZoom", "maxZoom"}}: the page sizes its view from the host.
std::string documentPart();
// The address the picture of an opened document is served at.
std::string picturePath(uint64_t document);
// The guides front first, as `print guides` lists them, as bytes the page reads without
// parsing them (40,000 guides of two points are 960 kB, 24 bytes each, not 3 MB of decimals;
// the layout is in GuideList.h). The page itself is sent numbered frames and their changes (GuideFrames.h);
// these are one frame's, with no number.
struct GuidesData {
  size_t count = 0;
  std::string bytes;
};
GuidesData guidesData();
// {"count", "bytes": base64} for a few guides, which then come in one message; else
// {"count", "data": the address the bytes are read at, different for different bytes}.
inline constexpr size_t kGuidesInPart = 48 * 1024;
std::string guidesPart(const GuidesData& data);

// {"items": [{"kind": "text"|"line", "text", "at": [x, y], "to": [x, y], "color": [r, g, b],
//  "width", "dashed", "font"}]}: what the annotators drew in the last frame.
std::string overlayPart();
// {"name": "arrow"} for a built-in cursor, else {"width", "height", "hot": [x, y],
// "rgba": base64 of the pixels, top row first, "hash"}.
std::string cursorPart();
// {"tools": [{"number", "name", "title", "tooltip", "group", "toolset", "owner"}], "selected"}
std::string toolboxPart();
// {"menus": [{"name", "items": [{"text", "path", "enabled", "checked", "items": [...]}]}]}
std::string menusPart();
// {"documents": [names], "front", "tool", "theme", "modal": window id or null,
//  "lastClick": [h, v] or null}
std::string sessionPart();
// {"count", "recent": [{"n", "text"}]}: the alerts shown, the sounds played (file names)
// and the web pages opened, the last few of each with their number from 0.
std::string alertsPart();
std::string soundsPart();
std::string urlsPart();
// {"panels": [{"id", "title", "size", "shown", "flyout": [...], "view": VIEW}]}
std::string panelsPart();
// {"windows": [{"id", "title", "frame", "modal", "key", "view": VIEW}]}: the windows showing
// that are not panels (the dialogs).
std::string windowsPart();

}  // namespace host

#endif
