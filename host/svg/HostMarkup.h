// The text of what the host writes into an SVG file: its guides, its layers and the art in
// them, marked as HostMarks.h says, indented to sit where they go.
#ifndef GUIDES_HOST_SVG_HOSTMARKUP_H
#define GUIDES_HOST_SVG_HOSTMARKUP_H

#include <string>
#include <vector>

#include "svg/SvgDocument.h"

namespace host::svg {

// The prefixes of Inkscape's, Sodipodi's and the host's namespaces a file is written with.
struct Prefixes {
  std::string inkscape = "inkscape";
  std::string sodipodi = "sodipodi";
  std::string host = "host";
};

struct Markup {
  const UserSpace& space;
  const GuideSpace& guideSpace;
  // The namespace declarations each written element carries when the root has not made
  // them: " xmlns:inkscape=..." or empty.
  std::string declarations;
  Prefixes prefixes;

  std::string inkscape(const char* name) const { return prefixes.inkscape + ":" + name; }
  std::string sodipodi(const char* name) const { return prefixes.sodipodi + ":" + name; }
  std::string host(const char* name) const { return prefixes.host + ":" + name; }
};

// One guide per distinct line of `guides`, each on a line of its own after `indent`.
std::string guidesMarkup(const Markup& markup, const std::vector<Guide>& guides, const std::string& indent);

// The layers, top first as given, written bottom first as SVG draws them.
std::string layersMarkup(const Markup& markup, const std::vector<Layer>& layers, const std::string& indent);

// Art added to a layer, top first as given.
std::string objectsMarkup(const Markup& markup, const std::vector<Object>& objects, const std::string& indent);

// `text` for an attribute's value.
std::string escaped(const std::string& text);

// The namespaces a written element declares for itself, under those prefixes, when
// `rootStartTag` lacks them.
std::string declarationsMissingFrom(const std::string& rootStartTag, const Prefixes& prefixes);

}  // namespace host::svg

#endif
