#include "svg/RootGeometry.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

bool usable(double size) { return std::isfinite(size) && size > 0 && size <= kLargestPageSide; }

// The root's width or height in points; `fallback` (the viewBox's, else the size a
// browser gives an SVG of no size) when absent or a percentage.
bool rootSide(const pugi::xml_node& root, const char* name, double fallback, double* pt, std::string* reason) {
  const pugi::xml_attribute attribute = root.attribute(name);
  const std::string said = std::string("the page's ") + name + " \"" + attribute.value() + "\" ";
  Length length;
  if (!attribute || std::string_view(attribute.value()) == "auto") {
    *pt = fallback;
    return true;
  }
  if (!readLength(attribute.value(), &length)) {
    *reason = said + "is not a length";
    return false;
  }
  if (length.unit == "%") {
    *pt = fallback * length.value / 100;
  } else if (pointsPerUnit(length.unit) == 0) {
    *reason = said + "has a unit the host does not know (it knows px, pt, pc, mm, cm and in)";
    return false;
  } else {
    *pt = length.value * pointsPerUnit(length.unit);
  }
  if (!usable(*pt)) {
    *reason = said + "is not a size the host can open (more than 0, at most 100000 pt)";
    return false;
  }
  return true;
}

bool readViewBox(const pugi::xml_node& root, RootGeometry* geometry, std::string* reason) {
  const pugi::xml_attribute attribute = root.attribute("viewBox");
  if (!attribute) return true;
  std::vector<double> v;
  const bool read = readNumbers(attribute.value(), &v) && v.size() == 4;
  if (!read || !std::isfinite(v[0]) || !std::isfinite(v[1]) || !usable(v[2] * 0.75) || !usable(v[3] * 0.75) ||
      std::fabs(v[0]) > 1e12 || std::fabs(v[1]) > 1e12) {
    *reason = std::string("the page's viewBox \"") + attribute.value() + "\" is not four numbers with a positive size";
    return false;
  }
  geometry->viewBox = {v[0], v[1], v[0] + v[2], v[1] + v[3]};
  geometry->hasViewBox = true;
  return true;
}

// The viewBox's map into the viewport (SVG's "viewBox to viewport transformation").
Affine viewBoxMap(const RootGeometry& g, std::string_view aspect) {
  const UserBox& v = g.viewBox;
  double sx = g.widthPt / (v.maxX - v.minX), sy = g.heightPt / (v.maxY - v.minY);
  double alignX = 0.5, alignY = 0.5;
  while (!aspect.empty() && aspect.front() == ' ') aspect.remove_prefix(1);
  if (aspect.starts_with("defer")) aspect.remove_prefix(5);
  while (!aspect.empty() && aspect.front() == ' ') aspect.remove_prefix(1);
  if (!aspect.starts_with("none")) {
    if (aspect.size() >= 8 && aspect[0] == 'x') {
      alignX = aspect.substr(1, 3) == "Min" ? 0 : aspect.substr(1, 3) == "Max" ? 1 : 0.5;
      alignY = aspect.substr(5, 3) == "Min" ? 0 : aspect.substr(5, 3) == "Max" ? 1 : 0.5;
    }
    const double s = aspect.find("slice") != std::string_view::npos ? std::max(sx, sy) : std::min(sx, sy);
    sx = sy = s;
  }
  const double tx = (g.widthPt - (v.maxX - v.minX) * sx) * alignX - v.minX * sx;
  const double ty = (g.heightPt - (v.maxY - v.minY) * sy) * alignY - v.minY * sy;
  return {sx, 0, 0, sy, tx, ty};
}

}  // namespace

bool readRootGeometry(const pugi::xml_node& root, RootGeometry* g, std::string* reason) {
  if (!readViewBox(root, g, reason)) return false;
  const double px = pointsPerUnit("px");
  const double fallbackWidth = (g->hasViewBox ? g->viewBox.maxX - g->viewBox.minX : 300) * px;
  const double fallbackHeight = (g->hasViewBox ? g->viewBox.maxY - g->viewBox.minY : 150) * px;
  if (!rootSide(root, "width", fallbackWidth, &g->widthPt, reason) ||
      !rootSide(root, "height", fallbackHeight, &g->heightPt, reason)) {
    return false;
  }
  // With no viewBox a user unit is a pixel.
  g->toViewport =
      g->hasViewBox ? viewBoxMap(*g, root.attribute("preserveAspectRatio").value()) : Affine{px, 0, 0, px, 0, 0};
  const Affine& m = g->toViewport;
  g->viewport = {-m.e / m.a, -m.f / m.d, (g->widthPt - m.e) / m.a, (g->heightPt - m.f) / m.d};
  if (!g->hasViewBox) g->viewBox = g->viewport;
  return true;
}

UserSpace userSpaceFor(const RootGeometry& g, const UserBox& firstPage) {
  return {firstPage.minX, firstPage.maxY, g.toViewport.a, g.toViewport.d};
}

// Inkscape reads a guide's position as viewport pixels divided by the viewBox's scale
// (one scale, the mean of both, when they agree), from the viewport's bottom-left corner.
GuideSpace guideSpaceFor(const RootGeometry& g, const UserSpace& space) {
  // Points per user unit, as Inkscape counts them.
  double kx = pointsPerUnit("px"), ky = kx;
  if (g.hasViewBox) {
    kx = g.widthPt / (g.viewBox.maxX - g.viewBox.minX);
    ky = g.heightPt / (g.viewBox.maxY - g.viewBox.minY);
    if (kx != ky && std::fabs(kx / ky - 1) < 1e-6) kx = ky = (kx + ky) / 2;
  }
  const Point corner = space.toHost(g.viewport.minX, g.viewport.maxY);
  const double sx = 1 / kx, sy = 1 / ky;
  return {-corner.x * sx, -corner.y * sy, sx, sy};
}

Box hostBox(const UserSpace& space, const UserBox& box) {
  const Point topLeft = space.toHost(box.minX, box.minY);
  const Point bottomRight = space.toHost(box.maxX, box.maxY);
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace host::svg
