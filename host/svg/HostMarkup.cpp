#include "svg/HostMarkup.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "svg/HostMarks.h"
#include "svg/HostPaths.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

std::string attribute(const std::string& name, const std::string& value) {
  return " " + name + "=\"" + escaped(value) + "\"";
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
  return "<" + markup.sodipodi("guide") + markup.declarations +
         attribute("position", formatNumber(position.x) + "," + formatNumber(position.y)) +
         attribute("orientation", formatNumber(sign * normal.x + 0.0) + "," + formatNumber(sign * normal.y + 0.0)) +
         attribute(markup.inkscape("label"), guide.label.empty() ? marks::kGuideLabel : guide.label) +
         attribute(markup.inkscape("color"), marks::kGuideColor) + attribute(markup.inkscape("locked"), "true") +
         attribute(markup.host(marks::kWritten), "guide") + " />";
}

bool onlyGuides(const std::vector<Object>& objects) {
  for (const Object& object : objects) {
    if (object.kind == Object::Kind::Group ? !onlyGuides(object.children) : !object.guide) return false;
  }
  return true;
}

std::string visibility(const Markup& markup, bool hidden, bool locked) {
  return (hidden ? attribute("style", "display:none") : "") +
         (locked ? attribute(markup.sodipodi("insensitive"), "true") : "");
}

std::string names(const Markup& markup, const Object& object) {
  return (object.id.empty() ? "" : attribute("id", object.id)) +
         (object.label.empty() ? "" : attribute(markup.inkscape("label"), object.label));
}

void appendObjects(const Markup& markup, const std::vector<Object>& objects, const std::string& indent,
                   const std::string& declarations, std::string* out);

void appendObject(const Markup& markup, const Object& object, const std::string& indent,
                  const std::string& declarations, std::string* out) {
  *out += "\n" + indent;
  if (object.kind == Object::Kind::Group) {
    *out += "<g" + declarations + names(markup, object) + attribute(markup.host(marks::kWritten), "group") +
            visibility(markup, object.hidden, object.locked) + ">";
    appendObjects(markup, object.children, indent + "  ", "", out);
    *out += "\n" + indent + "</g>";
    return;
  }
  const char* stroke = object.guide ? marks::kGuideColor : "#000000";
  *out += "<path" + declarations + names(markup, object) +
          attribute("d", pathData(object.segments, object.closed, markup.space)) +
          attribute("style", std::string("fill:none;stroke:") + stroke + ";stroke-width:1" +
                                 (object.hidden ? ";display:none" : "")) +
          (object.locked ? attribute(markup.sodipodi("insensitive"), "true") : "") +
          attribute(markup.host(marks::kWritten), "path") +
          (object.guide ? attribute(markup.host(marks::kGuide), "true") : "") +
          attribute(markup.host(marks::kSegments), segmentsText(object.segments)) + " />";
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

// One guide per distinct line, in the order given. The lines are sorted by direction, then
// by offset, and each is compared with the last one kept: tens of thousands of guides cost
// no square of their number.
std::string guidesMarkup(const Markup& markup, const std::vector<Guide>& guides, const std::string& indent) {
  struct Keyed {
    Line line;
    double dx, dy;  // the direction to 1e-12, so that near-equal directions sort together
    size_t index;
  };
  std::vector<Keyed> lines;
  for (size_t i = 0; i < guides.size(); ++i) {
    Point d;
    if (!lineDirection(guides[i], &d)) continue;
    lines.push_back({{d, guides[i].point.x * d.y - guides[i].point.y * d.x}, std::round(d.x * 1e12), std::round(d.y * 1e12), i});
  }
  std::sort(lines.begin(), lines.end(), [](const Keyed& a, const Keyed& b) {
    return std::tie(a.dx, a.dy, a.line.offset, a.index) < std::tie(b.dx, b.dy, b.line.offset, b.index);
  });
  std::vector<bool> kept(guides.size(), false);
  const Line* last = nullptr;
  for (const Keyed& keyed : lines) {
    if (last && sameLine(keyed.line, *last)) continue;
    kept[keyed.index] = true;
    last = &keyed.line;
  }
  std::string out;
  for (size_t i = 0; i < guides.size(); ++i)
    if (kept[i]) out += "\n" + indent + guideMarkup(markup, guides[i]);
  return out;
}

std::string layersMarkup(const Markup& markup, const std::vector<Layer>& layers, const std::string& indent) {
  std::string out;
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    // A layer of guides only is hidden and locked for other programs: nothing of it prints.
    const bool guides = onlyGuides(layer->objects);
    out += "\n" + indent + "<g" + markup.declarations + attribute(markup.inkscape("groupmode"), "layer") +
           attribute(markup.inkscape("label"), layer->title) + attribute(markup.host(marks::kWritten), "layer") +
           attribute(markup.host(marks::kHidden), layer->hidden ? "true" : "false") +
           attribute(markup.host(marks::kLocked), layer->locked ? "true" : "false") +
           visibility(markup, guides || layer->hidden, guides || layer->locked) + ">";
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

std::string declarationsMissingFrom(const std::string& rootStartTag, const Prefixes& prefixes) {
  std::string out;
  const std::pair<const std::string&, const char*> kNamespaces[] = {{prefixes.inkscape, marks::kInkscapeNamespace},
                                                                    {prefixes.sodipodi, marks::kSodipodiNamespace},
                                                                    {prefixes.host, marks::kNamespace}};
  for (const auto& [prefix, uri] : kNamespaces) {
    const std::string declaration = "xmlns:" + prefix + "=\"" + uri + "\"";
    if (rootStartTag.find(declaration) == std::string::npos) out += " " + declaration;
  }
  return out;
}

}  // namespace host::svg
