// SVG's transform attribute ("translate(10 20) rotate(30)") as one affine map.
#ifndef GUIDES_HOST_SVG_TRANSFORMREADING_H
#define GUIDES_HOST_SVG_TRANSFORMREADING_H

#include <string_view>

#include "svg/Affine.h"

namespace host::svg {

// False for a list that does not read; such an attribute is ignored, as the programs that
// draw SVG ignore it.
bool readTransform(std::string_view text, Affine* transform);

}  // namespace host::svg

#endif
