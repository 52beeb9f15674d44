// Bounds only a drawing engine knows (text, `use`, lengths in percent or em), measured by
// librsvg. One librsvg measure walks the whole document it is given, so the engine is
// handed copies of the file holding only what it must measure (and whatever that may refer
// to), a bounded number of elements to each copy: measuring stays linear in the file's size.
#ifndef GUIDES_HOST_SVG_ENGINEBOUNDS_H
#define GUIDES_HOST_SVG_ENGINEBOUNDS_H

#include <pugixml.hpp>
#include <vector>

#include "svg/Affine.h"
#include "svg/RootGeometry.h"

namespace host::svg {

struct EngineRequest {
  pugi::xml_node element;
  UserBox* box;  // filled with the element's geometric bounds in the root's user units
  Affine map;    // applied to the bounds measured (a clone's placement), identity else
};

// Measures every request; an element the engine cannot measure keeps an empty box. The
// engine is given no base file: it reads nothing but the bytes given (no file, no URL).
void measureWithEngine(const pugi::xml_document& document, const RootGeometry& geometry,
                       const std::vector<EngineRequest>& requests);

}  // namespace host::svg

#endif
