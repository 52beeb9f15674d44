// The walk over a parsed SVG file that finds what the host sees of it: the namedview's
// pages, unit and guides, the layers and their objects with their bounds, and the marks of
// what the host wrote. It never recurses: a file nested ten thousand deep walks as well as
// a flat one.
#ifndef GUIDES_HOST_SVG_DOCUMENTWALK_H
#define GUIDES_HOST_SVG_DOCUMENTWALK_H

#include <pugixml.hpp>
#include <string>

#include "svg/RootGeometry.h"
#include "svg/SvgDocument.h"

namespace host::svg {

// The deepest nesting of elements the host opens.
constexpr size_t kDeepestNesting = 1000;

// Fills document's pages, space, guideSpace, documentUnit, layers, userGuides and the
// places a save changes, from `xml` (parsed from document->bytes). False with the reason
// for a file the host cannot open.
bool walkDocument(const pugi::xml_document& xml, const RootGeometry& geometry, SvgDocument* document,
                  std::string* reason);

}  // namespace host::svg

#endif
