#include "model/ArtLookup.h"

#include "model/ArtWalk.h"

namespace host {

Ref findArtByPath(const Model& model, std::string_view path) {
  Ref found;
  std::string full;
  walkFrontDocument(model, [&](const std::string& prefix, uint32_t slot, const Art& art) {
    if (!found.isNull()) return;
    const std::string_view name = shownName(art);
    full.assign(prefix).append("/").append(name);
    if (name == path || full == path) found = model.arts().refAt(slot);
  });
  return found;
}

}  // namespace host
