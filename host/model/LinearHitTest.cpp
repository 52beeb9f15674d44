// The hit test as a walk over every art of the front document, front to back.
#include <cmath>

#include "model/HitTest.h"

namespace host {

namespace {

// Front to back, depth first, skipping hidden subtrees; the first leaf hit is the topmost.
Hit walk(const ArtTree& arts, uint32_t root, AIRealPoint at, double tolerance) {
  uint32_t current = root;
  while (current != kNoSlot) {
    const Art& art = arts.at(current);
    bool descend = false;
    if (!isHidden(art)) {
      if (art.type == kGroupArt) {
        descend = art.firstChild != kNoSlot;
      } else if (art.type == kPathArt && !art.guide) {
        const HitPart part = testPath(art, at.h, at.v, tolerance);
        if (part != HitPart::None) return Hit{arts.refAt(current), part};
      }
    }
    if (descend) {
      current = art.firstChild;
      continue;
    }
    // The next sibling, or that of the nearest enclosing art that has one.
    while (current != root && arts.at(current).nextSibling == kNoSlot) current = arts.at(current).parent;
    current = current == root ? kNoSlot : arts.at(current).nextSibling;
  }
  return Hit{};
}

bool hasHiddenAncestor(const ArtTree& arts, uint32_t slot) {
  for (slot = arts.at(slot).parent; slot != kNoSlot; slot = arts.at(slot).parent)
    if (isHidden(arts.at(slot))) return true;
  return false;
}

}  // namespace

Hit hitTestByWalk(const Model& model, AIRealPoint point, double tolerance, Ref within) {
  const Document* document = model.front();
  if (!document || !std::isfinite(tolerance) || tolerance < 0) return Hit{};
  const ArtTree& arts = model.arts();
  const AIRealPoint at = point;
  if (!within.isNull()) {
    const Art* art = arts.find(within);
    if (!art || !model.isValidArt(within) || !model.findLayer(art->layer)->visible ||
        hasHiddenAncestor(arts, within.slot))
      return Hit{};
    return walk(arts, within.slot, at, tolerance);
  }
  for (Ref layerRef : document->layers) {
    const Layer& layer = *model.findLayer(layerRef);
    if (!layer.visible) continue;
    const Hit hit = walk(arts, layer.group.slot, at, tolerance);
    if (!hit.art.isNull()) return hit;
  }
  return Hit{};
}

}  // namespace host
