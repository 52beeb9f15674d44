// What SVG's element names stand for to the reader: drawn or not, plain shapes, groups.
#ifndef GUIDES_HOST_SVG_SVGELEMENTS_H
#define GUIDES_HOST_SVG_SVGELEMENTS_H

#include <string_view>

namespace host::svg {

// "svg:rect" -> "rect".
inline std::string_view localName(std::string_view qualified) {
  const size_t colon = qualified.find(':');
  return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

inline std::string_view prefixOf(std::string_view qualified) {
  const size_t colon = qualified.find(':');
  return colon == std::string_view::npos ? std::string_view() : qualified.substr(0, colon);
}

// Shapes whose bounds the reader computes from their attributes.
bool isPlainShape(std::string_view name);

// Elements that hold drawn children: g, a, switch, a nested svg.
bool isContainer(std::string_view name);

// Drawn elements the engine measures: text and its kin, `use`, foreignObject.
bool isEngineDrawn(std::string_view name);

}  // namespace host::svg

#endif
