// What an element's attributes say of its drawing that the reader needs everywhere: whether
// it is displayed, and its transform.
#ifndef GUIDES_HOST_SVG_ELEMENTSTYLE_H
#define GUIDES_HOST_SVG_ELEMENTSTYLE_H

#include <pugixml.hpp>

#include "svg/Affine.h"

namespace host::svg {

// display:none, as an attribute or in the style attribute.
bool notDisplayed(const pugi::xml_node& element);

// The element's transform attribute; identity when it has none or one that does not read.
Affine transformOf(const pugi::xml_node& element);

}  // namespace host::svg

#endif
