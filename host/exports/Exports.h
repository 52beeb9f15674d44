// The front document written out for other tools (JSON, with exact coordinates) and for
// people (SVG, the page as it looks).
#ifndef GUIDES_HOST_EXPORTS_EXPORTS_H
#define GUIDES_HOST_EXPORTS_EXPORTS_H

#include <string>

#include "model/Model.h"

namespace host {

// {"name", "rulerUnit", "activeArtboard" (0-based), "artboards": [{"name", "rect": [left,
// top, right, bottom]}], "layers": [{"title", "editable", "visible", "art": [NODE]}]},
// layers top first, children front first. NODE is {"type": "group", "name", "locked",
// "hidden", "children": [NODE]} or {"type": "path", "name", "locked", "hidden", "guide",
// "closed", "points": [[h, v], ...]}. Numbers are the stored values written as the shortest
// decimal that reads back to the same double. The front document must exist.
std::string documentJson(const Model& model);

// Artboards as white rectangles with a thin grey border, visible art as black outlines,
// guides as thin cyan lines on top, then the annotators' overlay of the last frame and the
// cursor at the last cursor position; y flipped so that the page reads the right way up.
std::string documentSvg(const Model& model);

}  // namespace host

#endif
