#include "svg/XmlNames.h"

#include <cstring>
#include <string_view>

#include "svg/HostMarks.h"

namespace host::svg {

namespace {

// The usual prefix, unless the root gives it to another namespace: then the prefix the
// root declares for `uri`. (The host writes the usual prefixes, declared on its elements
// where the root lacks them.)
std::string prefixFor(const pugi::xml_node& root, const char* uri, const char* usual) {
  const pugi::xml_attribute declared = root.attribute(("xmlns:" + std::string(usual)).c_str());
  if (!declared || std::strcmp(declared.value(), uri) == 0) return usual;
  for (const pugi::xml_attribute attribute : root.attributes()) {
    const std::string_view name = attribute.name();
    if (name.starts_with("xmlns:") && std::strcmp(attribute.value(), uri) == 0) return std::string(name.substr(6));
  }
  return usual;
}

}  // namespace

XmlNames xmlNamesFor(const pugi::xml_node& root) {
  const std::string inkscapePrefix = prefixFor(root, marks::kInkscapeNamespace, "inkscape");
  const std::string sodipodiPrefix = prefixFor(root, marks::kSodipodiNamespace, "sodipodi");
  const std::string hostPrefix = prefixFor(root, marks::kNamespace, marks::kPrefix);
  const std::string inkscape = inkscapePrefix + ":", sodipodi = sodipodiPrefix + ":", host = hostPrefix + ":";
  return {inkscapePrefix,         sodipodiPrefix,        hostPrefix,
          inkscape + "groupmode", inkscape + "label",    sodipodi + "insensitive", inkscape + "document-units",
          inkscape + "page",      inkscape + "color",    sodipodi + "namedview",   sodipodi + "guide",
          host + marks::kWritten, host + marks::kHidden, host + marks::kLocked,    host + marks::kGuide,
          host + marks::kSegments};
}

}  // namespace host::svg
