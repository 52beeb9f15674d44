// SVG path data ("M 0 0 C 10 0 ...") walked command by command in absolute user
// coordinates: the relative forms, the shorthand curves (S, T) and H/V are resolved here, so
// that whoever measures or copies a path sees only moves, lines, curves, arcs and closes.
#ifndef GUIDES_HOST_SVG_PATHDATA_H
#define GUIDES_HOST_SVG_PATHDATA_H

#include <string_view>

namespace host::svg {

struct XY {
  double x = 0;
  double y = 0;
};

class PathSink {
 public:
  virtual ~PathSink() = default;
  virtual void moveTo(XY to) = 0;
  virtual void lineTo(XY from, XY to) = 0;
  virtual void cubicTo(XY from, XY c1, XY c2, XY to) = 0;
  virtual void quadraticTo(XY from, XY c, XY to) = 0;
  // SVG's elliptical arc, its parameters as written (radii not yet corrected).
  virtual void arcTo(XY from, double rx, double ry, double degrees, bool large, bool sweep, XY to) = 0;
  virtual void close(XY from, XY to) = 0;
};

// Walks `data`; at an error it stops there, as the programs that draw SVG draw a path up to
// its first error, and answers false.
bool walkPath(std::string_view data, PathSink* sink);

}  // namespace host::svg

#endif
