#include "svg/CurveBounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::svg {

namespace {

constexpr double kPi = std::numbers::pi;

// The roots in (0, 1) of a t² + b t + c.
int rootsInUnit(double a, double b, double c, double roots[2]) {
  int count = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots[count++] = t;
  };
  const double scale = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
  if (scale == 0) return 0;
  if (std::fabs(a) <= 1e-12 * scale) {
    if (b != 0) keep(-c / b);
    return count;
  }
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return 0;
  // The stable form of the two roots.
  const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
  keep(q / a);
  if (q != 0) keep(c / q);
  return count;
}

double cubicAt(double p0, double p1, double p2, double p3, double t) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// Angles in radians brought into [start, start + 2π).
double wrapFrom(double angle, double start) {
  double wrapped = std::fmod(angle - start, 2 * kPi);
  if (wrapped < 0) wrapped += 2 * kPi;
  return start + wrapped;
}

// Adds the points of the (mapped) arc θ ↦ centre + A (cos θ, sin θ), θ from theta1 over
// delta (signed), where its x or y is extreme.
void addArcExtrema(double cx, double cy, const double A[4], double theta1, double delta, UserBox* box) {
  const double start = delta >= 0 ? theta1 : theta1 + delta;
  const double span = std::fabs(delta);
  const double candidates[4] = {std::atan2(A[1], A[0]), std::atan2(A[1], A[0]) + kPi, std::atan2(A[3], A[2]),
                                std::atan2(A[3], A[2]) + kPi};
  for (double theta : candidates) {
    if (wrapFrom(theta, start) - start > span) continue;
    box->add(cx + A[0] * std::cos(theta) + A[1] * std::sin(theta),
             cy + A[2] * std::cos(theta) + A[3] * std::sin(theta));
  }
}

// The linear part of `m` times the ellipse's own axes: rotation by phi, radii rx, ry.
void ellipseAxes(const Affine& m, double rx, double ry, double phi, double A[4]) {
  const double c = std::cos(phi), s = std::sin(phi);
  A[0] = (m.a * c + m.c * s) * rx;
  A[1] = (-m.a * s + m.c * c) * ry;
  A[2] = (m.b * c + m.d * s) * rx;
  A[3] = (-m.b * s + m.d * c) * ry;
}

}  // namespace

void addEllipse(const Affine& m, double cx, double cy, double rx, double ry, UserBox* box) {
  double A[4];
  ellipseAxes(m, rx, ry, 0, A);
  addArcExtrema(m.x(cx, cy), m.y(cx, cy), A, 0, 2 * kPi, box);
}

void PathBounds::lineTo(XY from, XY to) {
  const XY a = mapped(from), b = mapped(to);
  box_->add(a.x, a.y);
  box_->add(b.x, b.y);
}

void PathBounds::cubicTo(XY from, XY c1, XY c2, XY to) {
  const XY p[4] = {mapped(from), mapped(c1), mapped(c2), mapped(to)};
  box_->add(p[0].x, p[0].y);
  box_->add(p[3].x, p[3].y);
  for (int axis = 0; axis < 2; ++axis) {
    auto v = [&](int i) { return axis == 0 ? p[i].x : p[i].y; };
    double roots[2];
    const int count = rootsInUnit(-v(0) + 3 * v(1) - 3 * v(2) + v(3), 2 * (v(0) - 2 * v(1) + v(2)), v(1) - v(0), roots);
    for (int i = 0; i < count; ++i) {
      const double t = roots[i];
      box_->add(cubicAt(p[0].x, p[1].x, p[2].x, p[3].x, t), cubicAt(p[0].y, p[1].y, p[2].y, p[3].y, t));
    }
  }
}

void PathBounds::quadraticTo(XY from, XY c, XY to) {
  // The same curve as a cubic.
  const XY c1{from.x + 2.0 / 3 * (c.x - from.x), from.y + 2.0 / 3 * (c.y - from.y)};
  const XY c2{to.x + 2.0 / 3 * (c.x - to.x), to.y + 2.0 / 3 * (c.y - to.y)};
  cubicTo(from, c1, c2, to);
}

// The arc's centre from its end points (SVG's implementation notes, F.6.5 and F.6.6).
void PathBounds::arcTo(XY from, double rx, double ry, double degrees, bool large, bool sweep, XY to) {
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  if ((from.x == to.x && from.y == to.y)) return;
  if (rx == 0 || ry == 0) return lineTo(from, to);
  const double phi = degrees * kPi / 180, c = std::cos(phi), s = std::sin(phi);
  const double dx = (from.x - to.x) / 2, dy = (from.y - to.y) / 2;
  const double x1 = c * dx + s * dy, y1 = -s * dx + c * dy;
  const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (lambda > 1) {
    rx *= std::sqrt(lambda);
    ry *= std::sqrt(lambda);
  }
  const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  double factor = std::sqrt(std::max(0.0, numerator / denominator));
  if (large == sweep) factor = -factor;
  const double cxp = factor * rx * y1 / ry, cyp = -factor * ry * x1 / rx;
  const double cx = c * cxp - s * cyp + (from.x + to.x) / 2, cy = s * cxp + c * cyp + (from.y + to.y) / 2;
  const double theta1 = std::atan2((y1 - cyp) / ry, (x1 - cxp) / rx);
  double delta = std::atan2((-y1 - cyp) / ry, (-x1 - cxp) / rx) - theta1;
  if (sweep && delta < 0) delta += 2 * kPi;
  if (!sweep && delta > 0) delta -= 2 * kPi;
  lineTo(from, to);  // the end points themselves
  double A[4];
  ellipseAxes(m_, rx, ry, phi, A);
  addArcExtrema(m_.x(cx, cy), m_.y(cx, cy), A, theta1, delta, box_);
}

UserBox pathBounds(std::string_view data, const Affine& m) {
  UserBox box;
  PathBounds sink(m, &box);
  walkPath(data, &sink);
  return box;
}

}  // namespace host::svg
