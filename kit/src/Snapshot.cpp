#include "kit/Snapshot.h"

#include <variant>

#include "LayoutNames.h"
#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/Layout.h"
#include "kit/PopUpButton.h"
#include "kit/ScrollView.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/View.h"
#include "kit/Window.h"

namespace kit {

using Json = nlohmann::json;

namespace {

Json rect(const Rect& r) { return Json::array({r.origin.x, r.origin.y, r.size.width, r.size.height}); }
Json range(const Range& r) { return Json::array({r.location, r.length}); }

Json color(const Color& c) {
  return Json::array({c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent()});
}

template <class T, std::size_t N>
Json flagNames(const layoutNames::Name<T> (&table)[N], T mask) {
  Json names = Json::array();
  for (const auto& [name, bit] : table)
    if (mask & bit) names.push_back(name);
  return names;
}

Json drawing(const DisplayList& list) {
  Json records = Json::array();
  for (const DrawRecord& record : list) {
    if (const auto* stroke = std::get_if<StrokeRecord>(&record)) {
      Json path = Json::array();
      for (const PathElement& e : stroke->elements) {
        const char* kind = e.kind == PathElement::Kind::MoveTo ? "M" : e.kind == PathElement::Kind::LineTo ? "L" : "Z";
        path.push_back({kind, e.point.x, e.point.y});
      }
      records.push_back({{"stroke", std::move(path)}, {"color", color(stroke->color)},
                         {"width", stroke->lineWidth}, {"antialias", stroke->antialias}});
    } else if (const auto* fill = std::get_if<FillRecord>(&record)) {
      records.push_back({{"fill", rect(fill->rect)}, {"color", color(fill->color)},
                         {"clear", fill->operation == CompositingOperation::Clear}});
    }
  }
  return records;
}

void describeField(const TextField& field, Json& out, Json& live) {
  out["editable"] = field.isEditable();
  out["selectable"] = field.isSelectable();
  out["drawsBackground"] = field.drawsBackground();
  out["textColor"] = color(field.textColor());
  out["backgroundColor"] = color(field.backgroundColor());
  live["editing"] = field.isEditing();
  if (field.isEditing()) live["selection"] = range(field.selectedRange());
  if (auto* combo = dynamic_cast<const ComboBox*>(&field)) {
    out["items"] = combo->items();
    out["selectedIndex"] = combo->indexOfSelectedItem();
  }
}

void describeButton(const Button& button, Json& out) {
  out["title"] = button.title();
  if (!button.imageName().empty()) out["image"] = button.imageName();
  out["state"] = button.state();
  out["buttonType"] = layoutNames::nameOf(layoutNames::buttonTypes, button.buttonType());
  if (!button.keyEquivalent().empty()) out["keyEquivalent"] = button.keyEquivalent();
  if (button.keyEquivalentModifierMask())
    out["keyEquivalentModifiers"] = flagNames(layoutNames::modifierFlags, button.keyEquivalentModifierMask());
}

void describePopUp(const PopUpButton& popup, Json& out) {
  Json items = Json::array();
  for (int i = 0; i < popup.numberOfItems(); ++i) {
    const MenuItem* item = popup.itemAtIndex(i);
    items.push_back(item->separator ? Json{{"separator", true}} : Json{{"title", item->title}, {"enabled", item->enabled}});
  }
  out["items"] = std::move(items);
  out["selectedIndex"] = popup.indexOfSelectedItem();
}

void describeControl(const Control& control, Json& out, Json& live) {
  out["enabled"] = control.isEnabled();
  out["text"] = control.stringValue();
  out["alignment"] = layoutNames::nameOf(layoutNames::alignments, control.alignment());
  if (!control.actionName().empty()) out["action"] = control.actionName();
  if (auto* field = dynamic_cast<const TextField*>(&control)) describeField(*field, out, live);
  if (auto* button = dynamic_cast<const Button*>(&control)) describeButton(*button, out);
  if (auto* popup = dynamic_cast<const PopUpButton*>(&control)) describePopUp(*popup, out);
}

void describeText(const TextView& text, Json& out, Json& live) {
  out["text"] = text.string();
  out["alignment"] = layoutNames::nameOf(layoutNames::alignments, text.alignment());
  out["editable"] = text.isEditable();
  live["scrolled"] = range(text.lastScrolledRange());
  live["scrolls"] = text.scrollCount();
}

// The view's own keys, without its children.
Json describeOne(const View& view, Live detail) {
  Json out{{"class", view.className()}, {"frame", rect(view.frame())}, {"hidden", view.isHidden()}};
  Json live = Json::object();
  if (!view.identifier().empty()) out["identifier"] = view.identifier();
  if (!view.toolTip().empty()) out["toolTip"] = view.toolTip();
  if (view.autoresizingMask()) out["autoresizingMask"] = flagNames(layoutNames::autoresizingFlags, view.autoresizingMask());
  if (auto* control = dynamic_cast<const Control*>(&view)) describeControl(*control, out, live);
  if (auto* text = dynamic_cast<const TextView*>(&view)) describeText(*text, out, live);
  if (view.displayCount() > 0) live["displayCount"] = view.displayCount();
  if (detail == Live::Drawing && !view.displayList().empty()) live["drawing"] = drawing(view.displayList());
  if (detail != Live::None && !live.empty()) out["live"] = std::move(live);
  return out;
}

void collectNamed(const View& view, Live live, Json& out) {
  if (!view.identifier().empty()) out[view.identifier()] = describeOne(view, live);
  for (const View* child : view.subviews()) collectNamed(*child, live, out);
}

Json describeSubviews(const View& view, Live live) {
  const auto* scroll = dynamic_cast<const ScrollView*>(&view);
  Json children = Json::array();
  for (const View* child : view.subviews())
    if (!scroll || child != scroll->documentView()) children.push_back(describeView(*child, live));
  return children;
}

}  // namespace

Json describeView(const View& view, Live live) {
  Json out = describeOne(view, live);
  if (auto* scroll = dynamic_cast<const ScrollView*>(&view); scroll && scroll->documentView())
    out["documentView"] = describeView(*scroll->documentView(), live);
  if (Json children = describeSubviews(view, live); !children.empty()) out["subviews"] = std::move(children);
  return out;
}

Json describeNamedViews(const View& root, Live live) {
  Json out = Json::object();
  collectNamed(root, live, out);
  return out;
}

Json describeWindow(const Window& window, Live live) {
  Json out{{"class", window.className()}, {"title", window.title()}, {"frame", rect(window.frame())},
           {"visible", window.isVisible()}};
  if (!window.identifier().empty()) out["identifier"] = window.identifier();
  if (window.contentView())
    if (Json children = describeSubviews(*window.contentView(), live); !children.empty())
      out["subviews"] = std::move(children);
  if (live != Live::None) {
    out["live"] = {{"key", window.isKeyWindow()}};
    if (View* responder = window.firstResponder()) out["live"]["firstResponder"] = responder->identifier();
  }
  return out;
}

Json describeLayout(const Layout& layout) {
  Json views = Json::array(), windows = Json::array();
  for (const auto& view : layout.views()) views.push_back(describeView(*view, Live::None));
  for (const auto& window : layout.windows()) windows.push_back(describeWindow(*window, Live::None));
  return {{"views", std::move(views)}, {"windows", std::move(windows)}};
}

std::vector<const Json*> describedChildren(const Json& view) {
  std::vector<const Json*> children;
  if (auto it = view.find("subviews"); it != view.end())
    for (const Json& child : *it) children.push_back(&child);
  if (auto it = view.find("documentView"); it != view.end()) children.push_back(&*it);
  return children;
}

}  // namespace kit
