// The qualified names of Inkscape's, Sodipodi's and the host's attributes and elements in
// one file: their prefixes are whatever the root element declares for their namespaces
// (pugixml knows no namespaces), the usual ones when it declares none.
#ifndef GUIDES_HOST_SVG_XMLNAMES_H
#define GUIDES_HOST_SVG_XMLNAMES_H

#include <pugixml.hpp>
#include <string>

namespace host::svg {

struct XmlNames {
  std::string groupmode, label, insensitive, documentUnits, page, color;  // inkscape:
  std::string namedview, guide;                                          // sodipodi:
  std::string written, hidden, locked, guideFlag, segments;              // the host's
};

XmlNames xmlNamesFor(const pugi::xml_node& root);

}  // namespace host::svg

#endif
