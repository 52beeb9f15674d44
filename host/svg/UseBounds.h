// The bounds of a `use` whose reference is a plain shape, or a group of plain shapes,
// in the same file: the reader's arithmetic, as for the shapes themselves. Anything else
// a `use` shows (text, a symbol, another `use`, a file elsewhere) is left to the engine.
#ifndef GUIDES_HOST_SVG_USEBOUNDS_H
#define GUIDES_HOST_SVG_USEBOUNDS_H

#include <pugixml.hpp>
#include <string_view>
#include <unordered_map>

#include "svg/Affine.h"

namespace host::svg {

class Ids {
 public:
  explicit Ids(const pugi::xml_node& root) : root_(root) {}
  // The element of that id, empty when none; the index is made at the first question.
  pugi::xml_node find(std::string_view id);

 private:
  pugi::xml_node root_;
  bool indexed_ = false;
  std::unordered_map<std::string_view, pugi::xml_node> elements_;
};

// What is left to the engine when arithmetic cannot measure a `use`: the element it shows
// (which has an id), measured where it stands and then mapped by `map` to where the `use`
// shows it. The box so mapped is exact for the moves and scales clones mostly are.
struct UseByEngine {
  pugi::xml_node referenced;  // empty: the engine measures the `use` itself
  Affine map;
};

// False when the engine is to measure it, as *engine says.
bool measureUse(const pugi::xml_node& use, const Affine& ctm, Ids* ids, UserBox* box, UseByEngine* engine);

}  // namespace host::svg

#endif
