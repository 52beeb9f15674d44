// How the host marks what it writes into an SVG file, so that the next save replaces it
// rather than adding to it, and the next reading gives it back as the host had it. The
// marks are attributes of the host's own namespace, which Inkscape keeps when it saves the
// file again; the host's guides also carry a label and a colour of their own, which is what
// a user sees of them in Inkscape.
//
//   <sodipodi:guide ... host:written="guide" inkscape:label="..." inkscape:color="..."/>
//   <g inkscape:groupmode="layer" host:written="layer" host:hidden="false" host:locked="false"
//      style="display:none" sodipodi:insensitive="true">     (a layer of guides only)
//     <path d="..." host:written="path" host:guide="true" host:segments="x y x y x y ..."/>
//
// host:segments are a path's segments in host points, each anchor, in-handle and
// out-handle, written so that they read back to the same doubles; `d` draws the same path
// in user units for every other program. A path whose `d` was changed elsewhere reads
// from its `d`.
#ifndef GUIDES_HOST_SVG_HOSTMARKS_H
#define GUIDES_HOST_SVG_HOSTMARKS_H

namespace host::svg::marks {

constexpr const char* kNamespace = "urn:x-drawing-host:svg";
constexpr const char* kPrefix = "host";
constexpr const char* kWritten = "written";  // "guide", "layer" or "path"
constexpr const char* kHidden = "hidden";    // a layer's flags for the host: "true", "false"
constexpr const char* kLocked = "locked";
constexpr const char* kGuide = "guide";  // a path that is a guide: "true"
constexpr const char* kSegments = "segments";

constexpr const char* kGuideLabel = "host guide";  // a guide laid with no label of its own
constexpr const char* kGuideColor = "#00b4ff";

constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";

}  // namespace host::svg::marks

#endif
