#include "svg/UseBounds.h"

#include <vector>

#include "svg/ElementStyle.h"
#include "svg/ShapeBounds.h"
#include "svg/SvgElements.h"
#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

// The most elements one `use` is measured through by arithmetic.
constexpr size_t kLargestReference = 10000;

double coordinate(const pugi::xml_node& element, const char* name) {
  std::string_view text = element.attribute(name).value();
  double value = 0;
  return readNumber(&text, &value) && atEnd(text) ? value : 0;
}

// One element of the reference: a shape measured, a group's children to walk.
struct Pending {
  pugi::xml_node element;
  Affine ctm;
};

Affine inverse(const Affine& m) {
  const double det = m.a * m.d - m.b * m.c;
  if (det == 0) return {};
  return {m.d / det, -m.b / det, -m.c / det, m.a / det, (m.c * m.f - m.d * m.e) / det, (m.b * m.e - m.a * m.f) / det};
}

// The referenced element's bounds by arithmetic; false where the engine is needed.
bool measureReference(const pugi::xml_node& referenced, const Affine& placed, UserBox* box);

}  // namespace

pugi::xml_node Ids::find(std::string_view id) {
  if (!indexed_) {
    indexed_ = true;
    for (pugi::xml_node node = root_; node;) {
      if (const pugi::xml_attribute attribute = node.attribute("id")) elements_.emplace(attribute.value(), node);
      if (node.first_child()) {
        node = node.first_child();
        continue;
      }
      while (node && node != root_ && !node.next_sibling()) node = node.parent();
      node = node == root_ ? pugi::xml_node() : node.next_sibling();
    }
  }
  const auto found = elements_.find(id);
  return found == elements_.end() ? pugi::xml_node() : found->second;
}

bool measureUse(const pugi::xml_node& use, const Affine& ctm, Ids* ids, UserBox* box, UseByEngine* engine) {
  *engine = {};
  std::string_view href = use.attribute("href").value();
  if (href.empty()) href = use.attribute("xlink:href").value();
  if (!href.starts_with("#")) return false;
  const pugi::xml_node referenced = ids->find(href.substr(1));
  if (!referenced) return false;
  const Affine placed =
      ctm.after(transformOf(use)).after(Affine{1, 0, 0, 1, coordinate(use, "x"), coordinate(use, "y")});
  if (measureReference(referenced, placed, box)) return true;
  const std::string_view name = referenced.name();
  if (name == "g" || isEngineDrawn(name) || isPlainShape(name)) {
    // Measured in its place: from there, back through its ancestors, then as the use places it.
    Affine whereItStands;
    for (pugi::xml_node up = referenced.parent(); up && up.type() == pugi::node_element; up = up.parent()) {
      whereItStands = transformOf(up).after(whereItStands);
    }
    const Affine back = inverse(whereItStands);
    *engine = {referenced, placed.after(back)};
  }
  *box = {};
  return false;
}

namespace {

bool measureReference(const pugi::xml_node& referenced, const Affine& placed, UserBox* box) {
  std::vector<Pending> pending{{referenced, placed}};
  for (size_t visited = 0; !pending.empty(); ++visited) {
    const Pending next = pending.back();
    pending.pop_back();
    const std::string_view name = next.element.name();
    if (visited > kLargestReference || name.find(':') != std::string_view::npos) return false;
    if (next.element.type() != pugi::node_element || notDisplayed(next.element)) continue;
    const Affine own = next.ctm.after(transformOf(next.element));
    if (name == "g") {
      for (const pugi::xml_node child : next.element.children()) pending.push_back({child, own});
      continue;
    }
    if (isContainer(name) || isEngineDrawn(name)) return false;
    UserBox shape;
    const ShapeMeasure measure = measureShape(next.element, name, own, &shape);
    if (measure == ShapeMeasure::NeedsEngine) return false;
    box->add(shape);
  }
  return true;
}

}  // namespace

}  // namespace host::svg
