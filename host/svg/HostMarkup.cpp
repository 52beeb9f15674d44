#include "svg/HostMarkup.h"

#include <algorithm>
#include <cmath>

#include "svg/HostMarks.h"
#include "svg/HostPaths.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

std::string attribute(const std::string& name, const std::string& value) {
  return " " + name + "=\"" + escaped(value) + "\"";
}

std::string hostAttribute(const char* name, const std::string& value) {
  return attribute(std::string(marks::kPrefix) + ":" + name, value);
}

// A line's unit direction, pointing right, or up when vertical; false for no direction.
bool lineDirection(const Guide& guide, Point* direction) {
  const double length = std::hypot(guide.direction.x, guide.direction.y);
  if (!std::isfinite(length) || length == 0 || !std::isfinite(guide.point.x) || !std::isfinite(guide.point.y)) {
    return false;
  }
  *direction = {guide.direction.x / length, guide.direction.y / length};
  if (direction->x < 0 || (direction->x == 0 && direction->y < 0)) *direction = {-direction->x, -direction->y};
  return true;
}

// A guide's line: its direction and its signed distance from the origin.
struct Line {
  Point direction;
  double offset;
};

// Two lines are one when their directions agree and each lies on the other, to 1e-9 of
// their distance from the origin.
bool sameLine(const Line& a, const Line& b) {
  const double tolerance = 1e-9 * std::max({1.0, std::fabs(a.offset), std::fabs(b.offset)});
  return std::fabs(a.direction.x - b.direction.x) <= 1e-12 && std::fabs(a.direction.y - b.direction.y) <= 1e-12 &&
         std::fabs(a.offset - b.offset) <= tolerance;
}

std::string guideMarkup(const Markup& markup, const Guide& guide) {
  Point direction;
  lineDirection(guide, &direction);
  const Point position = markup.guideSpace.toPosition(guide.point);
  // Inkscape's orientation is the normal: vertical lines (1,0), horizontal ones (0,1).
  const Point normal{direction.y, -direction.x};
  const double sign = normal.x < 0 || (normal.x == 0 && normal.y < 0) ? -1 : 1;
  return "<sodipodi:guide" + markup.declarations +
         attribute("position", formatNumber(position.x) + "," + formatNumber(position.y)) +
         attribute("orientation", formatNumber(sign * normal.x + 0.0) + "," + formatNumber(sign * normal.y + 0.0)) +
         attribute("inkscape:label", guide.label.empty() ? marks::kGuideLabel : guide.label) +
         attribute("inkscape:color", marks::kGuideColor) + attribute("inkscape:locked", "true") +
         hostAttribute(marks::kWritten, "guide") + " />";
}

bool onlyGuides(const std::vector<Object>& objects) {
  for (const Object& object : objects) {
    if (object.kind == Object::Kind::Group ? !onlyGuides(object.children) : !object.guide) return false;
  }
  return true;
}

std::string visibility(bool hidden, bool locked) {
  return (hidden ? attribute("style", "display:none") : "") + (locked ? attribute("sodipodi:insensitive", "true") : "");
}

std::string names(const Object& object) {
  return (object.id.empty() ? "" : attribute("id", object.id)) +
         (object.label.empty() ? "" : attribute("inkscape:label", object.label));
}

void appendObjects(const Markup& markup, const std::vector<Object>& objects, const std::string& indent,
                   const std::string& declarations, std::string* out);

void appendObject(const Markup& markup, const Object& object, const std::string& indent,
                  const std::string& declarations, std::string* out) {
  *out += "\n" + indent;
  if (object.kind == Object::Kind::Group) {
    *out += "<g" + declarations + names(object) + hostAttribute(marks::kWritten, "group") +
            visibility(object.hidden, object.locked) + ">";
    appendObjects(markup, object.children, indent + "  ", "", out);
    *out += "\n" + indent + "</g>";
    return;
  }
  const char* stroke = object.guide ? marks::kGuideColor : "#000000";
  *out += "<path" + declarations + names(object) +
          attribute("d", pathData(object.segments, object.closed, markup.space)) +
          attribute("style", std::string("fill:none;stroke:") + stroke + ";stroke-width:1" +
                                 (object.hidden ? ";display:none" : "")) +
          (object.locked ? attribute("sodipodi:insensitive", "true") : "") + hostAttribute(marks::kWritten, "path") +
          (object.guide ? hostAttribute(marks::kGuide, "true") : "") +
          hostAttribute(marks::kSegments, segmentsText(object.segments)) + " />";
}

// Top first as given; SVG draws the first element lowest.
void appendObjects(const Markup& markup, const std::vector<Object>& objects, const std::string& indent,
                   const std::string& declarations, std::string* out) {
  for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
    appendObject(markup, *object, indent, declarations, out);
  }
}

}  // namespace

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string guidesMarkup(const Markup& markup, const std::vector<Guide>& guides, const std::string& indent) {
  std::string out;
  std::vector<Line> written;
  for (const Guide& guide : guides) {
    Point d;
    if (!lineDirection(guide, &d)) continue;
    const Line line{d, guide.point.x * d.y - guide.point.y * d.x};
    bool seen = false;
    for (const Line& other : written) seen = seen || sameLine(line, other);
    if (seen) continue;
    written.push_back(line);
    out += "\n" + indent + guideMarkup(markup, guide);
  }
  return out;
}

std::string layersMarkup(const Markup& markup, const std::vector<Layer>& layers, const std::string& indent) {
  std::string out;
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    // A layer of guides only is hidden and locked for other programs: nothing of it prints.
    const bool guides = onlyGuides(layer->objects);
    out += "\n" + indent + "<g" + markup.declarations + attribute("inkscape:groupmode", "layer") +
           attribute("inkscape:label", layer->title) + hostAttribute(marks::kWritten, "layer") +
           hostAttribute(marks::kHidden, layer->hidden ? "true" : "false") +
           hostAttribute(marks::kLocked, layer->locked ? "true" : "false") +
           visibility(guides || layer->hidden, guides || layer->locked) + ">";
    appendObjects(markup, layer->objects, indent + "  ", "", &out);
    out += "\n" + indent + "</g>";
  }
  return out;
}

std::string objectsMarkup(const Markup& markup, const std::vector<Object>& objects, const std::string& indent) {
  std::string out;
  appendObjects(markup, objects, indent, markup.declarations, &out);
  return out;
}

std::string declarationsMissingFrom(const std::string& rootStartTag) {
  std::string out;
  const std::pair<const char*, const char*> kNamespaces[] = {{"inkscape", marks::kInkscapeNamespace},
                                                             {"sodipodi", marks::kSodipodiNamespace},
                                                             {marks::kPrefix, marks::kNamespace}};
  for (const auto& [prefix, uri] : kNamespaces) {
    const std::string declaration = std::string("xmlns:") + prefix + "=\"" + uri + "\"";
    if (rootStartTag.find(declaration) == std::string::npos) out += " " + declaration;
  }
  return out;
}

}  // namespace host::svg
