#include "model/PathHit.h"

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

}  // namespace

ControlBounds controlBounds(const Art& path) {
  ControlBounds b{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const AIPathSegment& s : path.segments)
    for (AIRealPoint p : {s.p, s.in, s.out}) {
      b.left = std::min(b.left, double{p.h});
      b.right = std::max(b.right, double{p.h});
      b.bottom = std::min(b.bottom, double{p.v});
      b.top = std::max(b.top, double{p.v});
    }
  return b;
}

// A point farther than the tolerance from the control points' bounds cannot touch the
// outline; most art is passed over here.
HitPart testPath(const Art& path, double x, double y, double tolerance) {
  const Point at{x, y};
  if (path.segments.empty()) return HitPart::None;
  const ControlBounds b = controlBounds(path);
  if (x < b.left - tolerance || x > b.right + tolerance || y < b.bottom - tolerance || y > b.top + tolerance)
    return HitPart::None;
  Probe probe(at, tolerance);
  const PathSegments& s = path.segments;
  if (s.size() == 1) probe.edge(pointOf(s[0].p), pointOf(s[0].p));
  for (size_t i = 1; i < s.size(); ++i) probe.segment(s[i - 1], s[i]);
  if (path.closed && s.size() > 1) probe.segment(s.back(), s.front());
  if (probe.onOutline()) return HitPart::Outline;
  return path.closed && probe.inside() ? HitPart::Inside : HitPart::None;
}

}  // namespace host
