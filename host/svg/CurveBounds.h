// The exact bounds of lines, Bézier curves and elliptical arcs once mapped by an affine map:
// at the curves' extrema, not their control points, as a geometric bounding box is.
#ifndef GUIDES_HOST_SVG_CURVEBOUNDS_H
#define GUIDES_HOST_SVG_CURVEBOUNDS_H

#include <string_view>

#include "svg/Affine.h"
#include "svg/PathData.h"

namespace host::svg {

// Adds the ellipse centred on (cx, cy) with radii rx, ry (axis-aligned before `m`).
void addEllipse(const Affine& m, double cx, double cy, double rx, double ry, UserBox* box);

// Adds a path's bounds as a sink of its commands.
class PathBounds : public PathSink {
 public:
  PathBounds(const Affine& m, UserBox* box) : m_(m), box_(box) {}
  void moveTo(XY) override {}
  void lineTo(XY from, XY to) override;
  void cubicTo(XY from, XY c1, XY c2, XY to) override;
  void quadraticTo(XY from, XY c, XY to) override;
  void arcTo(XY from, double rx, double ry, double degrees, bool large, bool sweep, XY to) override;
  void close(XY from, XY to) override { lineTo(from, to); }

 private:
  XY mapped(XY p) const { return {m_.x(p.x, p.y), m_.y(p.x, p.y)}; }
  Affine m_;
  UserBox* box_;
};

// The bounds of path data under `m` (what is drawn up to its first error).
UserBox pathBounds(std::string_view data, const Affine& m);

}  // namespace host::svg

#endif
