// Inkscape's sodipodi:namedview: the pages of a multi-page file, the document's unit, and
// the guides, the user's and those the host wrote.
#ifndef GUIDES_HOST_SVG_NAMEDVIEW_H
#define GUIDES_HOST_SVG_NAMEDVIEW_H

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "svg/Affine.h"
#include "svg/SvgDocument.h"
#include "svg/XmlNames.h"

namespace host::svg {

struct NamedView {
  pugi::xml_node element;  // empty when the file has none
  struct UserPage {
    UserBox box;  // user units
    std::string label;
  };
  std::vector<UserPage> pages;  // the inkscape:page elements, in order
  std::string documentUnit;
  std::vector<pugi::xml_node> userGuides, hostGuides;
};

// The first namedview among the root's children.
NamedView readNamedView(const pugi::xml_node& root, const XmlNames& names);

// A guide of the file in host points; false for one that draws no line.
bool readGuide(const pugi::xml_node& guide, const XmlNames& names, const GuideSpace& space, Guide* read);

}  // namespace host::svg

#endif
