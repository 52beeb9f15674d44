#include "model/HitTest.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// Curved segments are followed as this many straight steps.
constexpr int kCurveSteps = 16;

struct Point {
  double x, y;
};

Point pointOf(AIRealPoint p) { return Point{p.h, p.v}; }

bool isStraight(const AIPathSegment& from, const AIPathSegment& to) {
  return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h &&
         to.in.v == to.p.v;
}

Point bezierAt(Point p0, Point p1, Point p2, Point p3, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return Point{a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

// The point against one path: the nearest distance to its outline (squared) and the
// crossings of a ray going right from the point, for the even-odd inside test.
class Probe {
 public:
  Probe(Point at, double tolerance) : at_(at), tolerance2_(tolerance * tolerance) {}

  void edge(Point a, Point b) {
    nearest2_ = std::min(nearest2_, distance2(a, b));
    if ((a.y > at_.y) != (b.y > at_.y)) {
      const double x = a.x + (at_.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x > at_.x) inside_ = !inside_;
    }
  }

  void segment(const AIPathSegment& from, const AIPathSegment& to) {
    if (isStraight(from, to)) {
      edge(pointOf(from.p), pointOf(to.p));
      return;
    }
    const Point p0 = pointOf(from.p), p1 = pointOf(from.out), p2 = pointOf(to.in), p3 = pointOf(to.p);
    Point previous = p0;
    for (int step = 1; step <= kCurveSteps; ++step) {
      const Point next = step == kCurveSteps ? p3 : bezierAt(p0, p1, p2, p3, double(step) / kCurveSteps);
      edge(previous, next);
      previous = next;
    }
  }

  bool onOutline() const { return nearest2_ <= tolerance2_; }
  bool inside() const { return inside_; }

 private:
  double distance2(Point a, Point b) const {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((at_.x - a.x) * dx + (at_.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - at_.x, ey = a.y + t * dy - at_.y;
    return ex * ex + ey * ey;
  }

  Point at_;
  double tolerance2_;
  double nearest2_ = INFINITY;
  bool inside_ = false;
};

// The control points bound the outline, so a point farther than the tolerance from them
// cannot touch it; most art is passed over here.
bool mayTouch(const Art& path, Point at, double tolerance) {
  double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
  for (const AIPathSegment& s : path.segments)
    for (AIRealPoint p : {s.p, s.in, s.out}) {
      left = std::min(left, double{p.h});
      right = std::max(right, double{p.h});
      bottom = std::min(bottom, double{p.v});
      top = std::max(top, double{p.v});
    }
  return at.x >= left - tolerance && at.x <= right + tolerance && at.y >= bottom - tolerance &&
         at.y <= top + tolerance;
}

HitPart testPath(const Art& path, Point at, double tolerance) {
  if (path.segments.empty() || !mayTouch(path, at, tolerance)) return HitPart::None;
  Probe probe(at, tolerance);
  const std::vector<AIPathSegment>& s = path.segments;
  if (s.size() == 1) probe.edge(pointOf(s[0].p), pointOf(s[0].p));
  for (size_t i = 1; i < s.size(); ++i) probe.segment(s[i - 1], s[i]);
  if (path.closed && s.size() > 1) probe.segment(s.back(), s.front());
  if (probe.onOutline()) return HitPart::Outline;
  return path.closed && probe.inside() ? HitPart::Inside : HitPart::None;
}

bool isHidden(const Art& art) { return (art.userAttributes & kArtHidden) != 0; }

// Front to back, depth first, skipping hidden subtrees; the first leaf hit is the topmost.
Hit walk(const ArtTree& arts, uint32_t root, Point at, double tolerance) {
  uint32_t current = root;
  while (current != kNoSlot) {
    const Art& art = arts.at(current);
    bool descend = false;
    if (!isHidden(art)) {
      if (art.type == kGroupArt) {
        descend = art.firstChild != kNoSlot;
      } else if (art.type == kPathArt && !art.guide) {
        const HitPart part = testPath(art, at, tolerance);
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

Hit hitTest(const Model& model, AIRealPoint point, double tolerance, Ref within) {
  const Document* document = model.front();
  if (!document || !std::isfinite(tolerance) || tolerance < 0) return Hit{};
  const ArtTree& arts = model.arts();
  const Point at = pointOf(point);
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
