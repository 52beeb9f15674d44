#include "svg/SvgElements.h"

#include <algorithm>
#include <array>

namespace host::svg {

namespace {

template <size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool isPlainShape(std::string_view name) {
  static constexpr std::array<std::string_view, 8> kNames = {"rect",     "circle",  "ellipse", "line",
                                                             "polyline", "polygon", "path",    "image"};
  return among(kNames, name);
}

bool isContainer(std::string_view name) {
  static constexpr std::array<std::string_view, 4> kNames = {"g", "a", "switch", "svg"};
  return among(kNames, name);
}

bool isEngineDrawn(std::string_view name) {
  static constexpr std::array<std::string_view, 3> kNames = {"text", "use", "foreignObject"};
  return among(kNames, name);
}

}  // namespace host::svg
