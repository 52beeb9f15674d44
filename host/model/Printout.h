// Text printouts of the front document's art, one line per object, for checks and for the
// host's print commands.
#ifndef GUIDES_HOST_MODEL_PRINTOUT_H
#define GUIDES_HOST_MODEL_PRINTOUT_H

#include <string>
#include <string_view>
#include <vector>

#include "model/Model.h"

namespace host {

// One line per guide path, front to back, depth first: the names of its layer and groups
// joined by '/', the first and the last anchor "x1 y1 x2 y2", then "locked" or "unlocked".
// A guide without segments shows "empty" in place of its anchors.
std::vector<std::string> guideLines(const Model& model);

// One line per art object, front to back, depth first: layer title and names joined by '/',
// then "group N" (N children) or "path N" (N segments), then " guide" for a guide and
// " selected" for selected art.
// Layers' own groups are not listed; unnamed art shows "<unnamed>".
std::vector<std::string> artLines(const Model& model);

// One line per art object whose path of names starts with `prefix`, in the same order: its
// path of names, then the bounds of its anchor points "left top right bottom".
std::vector<std::string> boundsLines(const Model& model, std::string_view prefix);

}  // namespace host

#endif
