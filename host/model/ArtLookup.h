// Finding art of the front document the way a person names it.
#ifndef GUIDES_HOST_MODEL_ARTLOOKUP_H
#define GUIDES_HOST_MODEL_ARTLOOKUP_H

#include <string_view>

#include "model/Model.h"

namespace host {

// The first art, front to back, named by path: either its own name ("cadre") or the names
// from its layer's title down to it joined by '/' ("Guides/Margins"). Null when none.
Ref findArtByPath(const Model& model, std::string_view path);

}  // namespace host

#endif
