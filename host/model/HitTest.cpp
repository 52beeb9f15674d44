// The hit test from the spatial index: the paths near the point, each tested exactly, the
// topmost of those hit kept.
#include "model/HitTest.h"

#include <cmath>

namespace host {

namespace {

// The paths whose bounds come within the tolerance of the point. The box is a little wider
// than the exact test's reach, so that rounding never leaves out a path it would hit.
ControlBounds reach(AIRealPoint point, double tolerance) {
  const double x = point.h, y = point.v;
  const double slack = (std::fabs(x) + std::fabs(y) + tolerance) * 1e-12 + 1e-300;
  const double r = tolerance + slack;
  return ControlBounds{x - r, y - r, x + r, y + r};
}

// Whether the art is drawn: neither it nor anything holding it is hidden; with a `within`,
// whether that art holds it (or is it).
bool isCandidate(const ArtTree& arts, uint32_t slot, uint32_t within) {
  bool inside = within == kNoSlot;
  for (; slot != kNoSlot; slot = arts.at(slot).parent) {
    if (isHidden(arts.at(slot))) return false;
    inside = inside || slot == within;
  }
  return inside;
}

// Paint order across the document: the upper layer first, then the walk within a layer.
bool isAbove(const Model& model, const Document& document, uint32_t a, uint32_t b) {
  const ArtTree& arts = model.arts();
  const Ref layerA = arts.at(a).layer, layerB = arts.at(b).layer;
  if (layerA != layerB) return document.layerIndex(layerA) < document.layerIndex(layerB);
  return arts.isInFront(a, b);
}

}  // namespace

Hit hitTest(const Model& model, AIRealPoint point, double tolerance, Ref within) {
  const Document* document = model.front();
  if (!document || !std::isfinite(tolerance) || tolerance < 0) return Hit{};
  const ArtTree& arts = model.arts();
  if (!within.isNull() && !model.isValidArt(within)) return Hit{};
  Hit best;
  for (uint32_t slot : arts.pathsMeeting(reach(point, tolerance))) {
    const Art& art = arts.at(slot);
    if (art.document != document->id || !model.findLayer(art.layer)->visible ||
        !isCandidate(arts, slot, within.isNull() ? kNoSlot : within.slot))
      continue;
    const HitPart part = testPath(art, point.h, point.v, tolerance);
    if (part == HitPart::None) continue;
    if (best.art.isNull() || isAbove(model, *document, slot, best.art.slot)) best = Hit{arts.refAt(slot), part};
  }
  return best;
}

}  // namespace host
