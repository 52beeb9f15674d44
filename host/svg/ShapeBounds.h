// The geometric bounds of SVG's plain shapes (rect, circle, ellipse, line, polyline,
// polygon, path, image) from their attributes, under the map from the shape's user space
// to the root's. A length the reader cannot resolve alone (a percentage, an em) is left to
// the engine.
#ifndef GUIDES_HOST_SVG_SHAPEBOUNDS_H
#define GUIDES_HOST_SVG_SHAPEBOUNDS_H

#include <pugixml.hpp>
#include <string_view>

#include "svg/Affine.h"

namespace host::svg {

enum class ShapeMeasure {
  Measured,     // *box holds the bounds (empty for a shape that draws nothing)
  NotAShape,    // no plain shape: a group, text, a `use`, anything else
  NeedsEngine,  // a plain shape with a length only the engine resolves
};

// `name` is the element's name without its namespace prefix.
ShapeMeasure measureShape(const pugi::xml_node& element, std::string_view name, const Affine& m, UserBox* box);

}  // namespace host::svg

#endif
