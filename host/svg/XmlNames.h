// The qualified names of Inkscape's, Sodipodi's and the host's attributes and elements in
// one file: the usual prefixes, or those the root element declares for their namespaces
// when it gives the usual ones to others (pugixml knows no namespaces).
#ifndef GUIDES_HOST_SVG_XMLNAMES_H
#define GUIDES_HOST_SVG_XMLNAMES_H

#include <pugixml.hpp>
#include <string>

namespace host::svg {

struct XmlNames {
  std::string inkscape, sodipodi, host;  // the prefixes
  std::string groupmode, label, insensitive, documentUnits, page, color;  // inkscape:
  std::string namedview, guide;                                           // sodipodi:
  std::string written, hidden, locked, guideFlag, segments;               // the host's
};

XmlNames xmlNamesFor(const pugi::xml_node& root);

}  // namespace host::svg

#endif
