// The 2-D affine maps of SVG's transform attribute, and the boxes they carry: what the
// reader composes from the root down to each element, in user units.
#ifndef GUIDES_HOST_SVG_AFFINE_H
#define GUIDES_HOST_SVG_AFFINE_H

#include <algorithm>
#include <limits>

namespace host::svg {

// x' = a x + c y + e,  y' = b x + d y + f  (SVG's matrix(a b c d e f)).
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  // This map applied after `inner`.
  Affine after(const Affine& inner) const {
    return {a * inner.a + c * inner.b, b * inner.a + d * inner.b,     a * inner.c + c * inner.d,
            b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
  }
  double x(double px, double py) const { return a * px + c * py + e; }
  double y(double px, double py) const { return b * px + d * py + f; }
  bool isIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }
};

// A box in user units, y downwards; empty until a point is added.
struct UserBox {
  double minX = std::numeric_limits<double>::infinity();
  double minY = std::numeric_limits<double>::infinity();
  double maxX = -std::numeric_limits<double>::infinity();
  double maxY = -std::numeric_limits<double>::infinity();

  bool empty() const { return minX > maxX; }
  void add(double px, double py) {
    minX = std::min(minX, px);
    maxX = std::max(maxX, px);
    minY = std::min(minY, py);
    maxY = std::max(maxY, py);
  }
  void add(const UserBox& other) {
    if (other.empty()) return;
    add(other.minX, other.minY);
    add(other.maxX, other.maxY);
  }
  // The box holding this one's corners once mapped.
  UserBox mapped(const Affine& m) const {
    UserBox out;
    if (empty()) return out;
    out.add(m.x(minX, minY), m.y(minX, minY));
    out.add(m.x(maxX, minY), m.y(maxX, minY));
    out.add(m.x(minX, maxY), m.y(minX, maxY));
    out.add(m.x(maxX, maxY), m.y(maxX, maxY));
    return out;
  }
};

}  // namespace host::svg

#endif
