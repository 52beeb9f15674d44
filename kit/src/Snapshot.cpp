#include "kit/Snapshot.h"

#include "kit/Button.h"
#include "kit/ComboBox.h"
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

Json color(const Color& c) {
  return Json::array({c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent()});
}

const char* alignmentName(TextAlignment a) {
  switch (a) {
    case TextAlignment::Left: return "left";
    case TextAlignment::Right: return "right";
    case TextAlignment::Center: return "center";
    case TextAlignment::Justified: return "justified";
    case TextAlignment::Natural: return "natural";
  }
  return "natural";
}

void describeField(const TextField& field, Json& out) {
  out["editable"] = field.isEditable();
  out["textColor"] = color(field.textColor());
  out["backgroundColor"] = color(field.backgroundColor());
  out["editing"] = field.isEditing();
  if (field.isEditing()) out["selection"] = Json::array({field.selectedRange().location, field.selectedRange().length});
  if (auto* combo = dynamic_cast<const ComboBox*>(&field)) {
    out["items"] = combo->items();
    out["selectedIndex"] = combo->indexOfSelectedItem();
  }
}

void describeControl(const Control& control, Json& out) {
  out["enabled"] = control.isEnabled();
  out["text"] = control.stringValue();
  if (!control.actionName().empty()) out["action"] = control.actionName();
  if (auto* field = dynamic_cast<const TextField*>(&control)) describeField(*field, out);
  if (auto* button = dynamic_cast<const Button*>(&control)) {
    out["title"] = button->title();
    out["state"] = button->state();
  }
  if (auto* popup = dynamic_cast<const PopUpButton*>(&control)) {
    Json items = Json::array();
    for (int i = 0; i < popup->numberOfItems(); ++i) {
      const MenuItem* item = popup->itemAtIndex(i);
      items.push_back(item->separator ? Json{{"separator", true}} : Json{{"title", item->title}, {"enabled", item->enabled}});
    }
    out["items"] = std::move(items);
    out["selectedIndex"] = popup->indexOfSelectedItem();
  }
}

Json describeOne(const View& view) {
  Json out{{"class", view.className()}, {"frame", rect(view.frame())}, {"hidden", view.isHidden()}};
  if (!view.identifier().empty()) out["identifier"] = view.identifier();
  if (!view.toolTip().empty()) out["toolTip"] = view.toolTip();
  if (view.displayCount() > 0) out["displayCount"] = view.displayCount();
  if (auto* control = dynamic_cast<const Control*>(&view)) describeControl(*control, out);
  if (auto* text = dynamic_cast<const TextView*>(&view)) {
    out["text"] = text->string();
    out["alignment"] = alignmentName(text->alignment());
  }
  return out;
}

void collectNamed(const View& view, Json& out) {
  if (!view.identifier().empty()) out[view.identifier()] = describeOne(view);
  for (const View* child : view.subviews()) collectNamed(*child, out);
}

}  // namespace

Json describeView(const View& view) {
  Json out = describeOne(view);
  Json children = Json::array();
  for (const View* child : view.subviews()) children.push_back(describeView(*child));
  if (!children.empty()) out["subviews"] = std::move(children);
  return out;
}

Json describeNamedViews(const View& root) {
  Json out = Json::object();
  collectNamed(root, out);
  return out;
}

Json describeWindow(const Window& window) {
  Json out{{"title", window.title()},
           {"frame", rect(window.frame())},
           {"visible", window.isVisible()},
           {"key", window.isKeyWindow()}};
  if (!window.identifier().empty()) out["identifier"] = window.identifier();
  if (View* responder = window.firstResponder()) out["firstResponder"] = responder->identifier();
  if (window.contentView()) out["contentView"] = describeView(*window.contentView());
  return out;
}

}  // namespace kit
