// A walk over the art of the front document, front to back and depth first, for the
// printouts, the exports and the lookups by name.
#ifndef GUIDES_HOST_MODEL_ARTWALK_H
#define GUIDES_HOST_MODEL_ARTWALK_H

#include <string>
#include <string_view>
#include <vector>

#include "model/Model.h"

namespace host {

// The name shown for art in paths of names: its own, or "<unnamed>".
inline std::string_view shownName(const Art& art) {
  return art.name.empty() ? std::string_view("<unnamed>") : std::string_view(art.name);
}

// Art is shown when its layer is visible and neither it nor a group holding it is hidden.
inline bool isShown(const Model& model, uint32_t slot) {
  const ArtTree& arts = model.arts();
  if (!model.findLayer(arts.at(slot).layer)->visible) return false;
  for (; slot != kNoSlot; slot = arts.at(slot).parent)
    if (arts.at(slot).userAttributes & kArtHidden) return false;
  return true;
}

// Why the user may not pick this art (select it, move it, delete it), or null when they may:
// its layer is locked or hidden, or it or a group holding it is locked or hidden. The one
// rule for a click of the selection tool, `select`, `select all` and the selection's edits.
inline const char* whyNotPickable(const Model& model, uint32_t slot) {
  const ArtTree& arts = model.arts();
  const Layer* layer = model.findLayer(arts.at(slot).layer);
  if (layer && !layer->editable) return "its layer is locked";
  if (layer && !layer->visible) return "its layer is hidden";
  for (uint32_t held = slot; held != kNoSlot; held = arts.at(held).parent) {
    const int32_t attributes = arts.at(held).userAttributes;
    const bool itself = held == slot;
    if (attributes & kArtLocked) return itself ? "it is locked" : "its group is locked";
    if (attributes & kArtHidden) return itself ? "it is hidden" : "its group is hidden";
  }
  return nullptr;
}

// Visits every art of every layer of the front document, front to back and depth first,
// as visit(prefix, slot, art), the prefix being the names of the art's layer and enclosing
// groups joined by '/'. No recursion, so deep nesting costs no stack.
template <class Visit>
void walkFrontDocument(const Model& model, Visit visit) {
  const Document* document = model.front();
  if (!document) return;
  const ArtTree& arts = model.arts();
  for (Ref layerRef : document->layers) {
    const Layer& layer = *model.findLayer(layerRef);
    const uint32_t root = layer.group.slot;
    std::string prefix = layer.title;
    std::vector<size_t> prefixLengths;  // prefix size before each enclosing group's name
    uint32_t current = arts.at(root).firstChild;
    while (current != kNoSlot) {
      const Art& art = arts.at(current);
      visit(prefix, current, art);
      if (art.firstChild != kNoSlot) {
        prefixLengths.push_back(prefix.size());
        prefix += '/';
        prefix += shownName(art);
        current = art.firstChild;
        continue;
      }
      while (current != kNoSlot && arts.at(current).nextSibling == kNoSlot) {
        current = arts.at(current).parent;
        if (current == root) {
          current = kNoSlot;
        } else {
          prefix.resize(prefixLengths.back());
          prefixLengths.pop_back();
        }
      }
      if (current != kNoSlot) current = arts.at(current).nextSibling;
    }
  }
}

}  // namespace host

#endif
