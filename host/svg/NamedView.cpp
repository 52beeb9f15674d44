#include "svg/NamedView.h"

#include <cmath>
#include <string_view>

#include "svg/HostMarks.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

bool readPage(const pugi::xml_node& page, const XmlNames& names, NamedView::UserPage* read) {
  double v[4] = {0, 0, 0, 0};
  const char* const kNames[4] = {"x", "y", "width", "height"};
  for (int i = 0; i < 4; ++i) {
    std::string_view text = page.attribute(kNames[i]).value();
    if (!text.empty() && (!readNumber(&text, &v[i]) || !std::isfinite(v[i]))) return false;
  }
  if (!(v[2] > 0 && v[3] > 0)) return false;
  read->box = {v[0], v[1], v[0] + v[2], v[1] + v[3]};
  read->label = page.attribute(names.label.c_str()).value();
  return true;
}

bool isHostGuide(const pugi::xml_node& guide, const XmlNames& names) {
  return std::string_view(guide.attribute(names.written.c_str()).value()) == "guide" ||
         std::string_view(guide.attribute(names.color.c_str()).value()) == marks::kGuideColor;
}

}  // namespace

NamedView readNamedView(const pugi::xml_node& root, const XmlNames& names) {
  NamedView view;
  view.element = root.child(names.namedview.c_str());
  if (!view.element) return view;
  view.documentUnit = view.element.attribute(names.documentUnits.c_str()).value();
  for (const pugi::xml_node child : view.element.children()) {
    NamedView::UserPage page;
    if (names.page == child.name() && readPage(child, names, &page)) view.pages.push_back(page);
    if (names.guide == child.name()) (isHostGuide(child, names) ? view.hostGuides : view.userGuides).push_back(child);
  }
  return view;
}

// Inkscape's orientation is the guide's normal; the host keeps its direction, pointing
// right, or up when vertical.
bool readGuide(const pugi::xml_node& guide, const XmlNames& names, const GuideSpace& space, Guide* read) {
  std::string_view position = guide.attribute("position").value();
  std::string_view orientation = guide.attribute("orientation").value();
  double x = 0, y = 0, nx = 1, ny = 0;
  if (!readNumber(&position, &x) || !readNumber(&position, &y)) return false;
  if (!orientation.empty() && (!readNumber(&orientation, &nx) || !readNumber(&orientation, &ny))) return false;
  const double length = std::hypot(nx, ny);
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(length) || length == 0) return false;
  Point direction{-ny / length, nx / length};
  if (direction.x < 0 || (direction.x == 0 && direction.y < 0)) direction = {-direction.x, -direction.y};
  read->point = space.toHost({x, y});
  read->direction = direction;
  read->label = guide.attribute(names.label.c_str()).value();
  return true;
}

}  // namespace host::svg
