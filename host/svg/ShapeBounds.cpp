#include "svg/ShapeBounds.h"

#include <cmath>
#include <vector>

#include "svg/CurveBounds.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

// A geometry attribute in user units: absent is 0, a bad value is 0 (SVG's initial value);
// false for a unit that needs the viewport or the font.
bool userLength(const pugi::xml_node& element, const char* name, double* value) {
  const pugi::xml_attribute attribute = element.attribute(name);
  *value = 0;
  if (!attribute) return true;
  Length length;
  if (!readLength(attribute.value(), &length)) return true;
  if (length.unit.empty()) {
    *value = length.value;
    return true;
  }
  const double points = pointsPerUnit(length.unit);
  if (points == 0) return false;
  *value = length.value * points / pointsPerUnit("px");
  return true;
}

ShapeMeasure rect(const pugi::xml_node& element, const Affine& m, UserBox* box) {
  double x = 0, y = 0, width = 0, height = 0;
  if (!userLength(element, "x", &x) || !userLength(element, "y", &y) || !userLength(element, "width", &width) ||
      !userLength(element, "height", &height)) {
    return ShapeMeasure::NeedsEngine;
  }
  if (width > 0 && height > 0) *box = UserBox{x, y, x + width, y + height}.mapped(m);
  return ShapeMeasure::Measured;
}

ShapeMeasure ellipse(const pugi::xml_node& element, bool circle, const Affine& m, UserBox* box) {
  double cx = 0, cy = 0, rx = 0, ry = 0;
  const bool read =
      userLength(element, "cx", &cx) && userLength(element, "cy", &cy) &&
      (circle ? userLength(element, "r", &rx) : userLength(element, "rx", &rx) && userLength(element, "ry", &ry));
  if (!read) return ShapeMeasure::NeedsEngine;
  if (circle) ry = rx;
  if (!circle && (!element.attribute("rx") || !element.attribute("ry"))) {
    return ShapeMeasure::NeedsEngine;  // SVG 2's "auto" radius: one taken from the other
  }
  if (rx > 0 && ry > 0) addEllipse(m, cx, cy, rx, ry, box);
  return ShapeMeasure::Measured;
}

ShapeMeasure line(const pugi::xml_node& element, const Affine& m, UserBox* box) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (!userLength(element, "x1", &x1) || !userLength(element, "y1", &y1) || !userLength(element, "x2", &x2) ||
      !userLength(element, "y2", &y2)) {
    return ShapeMeasure::NeedsEngine;
  }
  box->add(m.x(x1, y1), m.y(x1, y1));
  box->add(m.x(x2, y2), m.y(x2, y2));
  return ShapeMeasure::Measured;
}

ShapeMeasure polyline(const pugi::xml_node& element, const Affine& m, UserBox* box) {
  std::vector<double> points;
  readNumbers(element.attribute("points").value(), &points);  // drawn up to the first error
  for (size_t i = 0; i + 1 < points.size() && points.size() >= 4; i += 2) {
    box->add(m.x(points[i], points[i + 1]), m.y(points[i], points[i + 1]));
  }
  return ShapeMeasure::Measured;
}

}  // namespace

ShapeMeasure measureShape(const pugi::xml_node& element, std::string_view name, const Affine& m, UserBox* box) {
  if (name == "rect") return rect(element, m, box);
  if (name == "image") {
    // An image with no width or height takes its picture's own size.
    if (!element.attribute("width") || !element.attribute("height")) return ShapeMeasure::NeedsEngine;
    return rect(element, m, box);
  }
  if (name == "circle" || name == "ellipse") return ellipse(element, name == "circle", m, box);
  if (name == "line") return line(element, m, box);
  if (name == "polyline" || name == "polygon") return polyline(element, m, box);
  if (name == "path") {
    *box = pathBounds(element.attribute("d").value(), m);
    return ShapeMeasure::Measured;
  }
  return ShapeMeasure::NotAShape;
}

}  // namespace host::svg
