#include "svg/ElementStyle.h"

#include <string_view>

#include "svg/TransformReading.h"

namespace host::svg {

bool notDisplayed(const pugi::xml_node& element) {
  if (std::string_view(element.attribute("display").value()) == "none") return true;
  std::string_view style = element.attribute("style").value();
  for (size_t at = style.find("display"); at != std::string_view::npos; at = style.find("display", at + 7)) {
    if (at > 0 && style[at - 1] != ';' && style[at - 1] != ' ') continue;
    std::string_view value = style.substr(at + 7);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    if (!value.starts_with(":")) continue;
    value.remove_prefix(1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    return value.starts_with("none");
  }
  return false;
}

Affine transformOf(const pugi::xml_node& element) {
  Affine transform;
  readTransform(element.attribute("transform").value(), &transform);
  return transform;
}

}  // namespace host::svg
