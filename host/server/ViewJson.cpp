// The panels and dialogs parts of the page's state: the toolkit's views as they are, each
// with its class, outlet name, frame (in its superview, y upwards), state and what it drew.
#include <nlohmann/json.hpp>
#include <variant>

#include "kit/Application.h"
#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/ScrollView.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/View.h"
#include "kit/Window.h"
#include "model/Shell.h"
#include "server/StateParts.h"

namespace host {

namespace {

using Json = nlohmann::json;

Json rectJson(const kit::Rect& r) { return {r.origin.x, r.origin.y, r.size.width, r.size.height}; }

Json colorJson(const kit::Color& c) {
  return {c.redComponent(), c.greenComponent(), c.blueComponent(), c.alphaComponent()};
}

const char* buttonTypeName(kit::ButtonType type) {
  switch (type) {
    case kit::ButtonType::MomentaryPushIn: return "push";
    case kit::ButtonType::PushOnPushOff: return "pushOnOff";
    case kit::ButtonType::Toggle: return "toggle";
    case kit::ButtonType::Switch: return "checkbox";
    case kit::ButtonType::Radio: return "radio";
  }
  return "push";
}

const char* alignmentName(kit::TextAlignment alignment) {
  switch (alignment) {
    case kit::TextAlignment::Left: return "left";
    case kit::TextAlignment::Right: return "right";
    case kit::TextAlignment::Center: return "center";
    case kit::TextAlignment::Justified: return "justify";
    case kit::TextAlignment::Natural: return "start";
  }
  return "start";
}

Json drawingJson(const kit::DisplayList& list) {
  Json records = Json::array();
  for (const kit::DrawRecord& record : list) {
    if (const auto* stroke = std::get_if<kit::StrokeRecord>(&record)) {
      Json path = Json::array();
      for (const kit::PathElement& e : stroke->elements) {
        const char* kind = e.kind == kit::PathElement::Kind::MoveTo   ? "M"
                           : e.kind == kit::PathElement::Kind::LineTo ? "L"
                                                                      : "Z";
        path.push_back({kind, e.point.x, e.point.y});
      }
      records.push_back({{"stroke", std::move(path)}, {"color", colorJson(stroke->color)},
                         {"width", stroke->lineWidth}, {"antialias", stroke->antialias}});
    } else if (const auto* fill = std::get_if<kit::FillRecord>(&record)) {
      records.push_back({{"fill", rectJson(fill->rect)}, {"color", colorJson(fill->color)},
                         {"clear", fill->operation == kit::CompositingOperation::Clear}});
    }
  }
  return records;
}

void describeControl(const kit::Control& control, Json& out) {
  out["enabled"] = control.isEnabled();
  out["text"] = control.stringValue();
  out["alignment"] = alignmentName(control.alignment());
  if (const auto* field = dynamic_cast<const kit::TextField*>(&control)) {
    out["editable"] = field->isEditable();
    out["editing"] = field->isEditing();
    out["textColor"] = colorJson(field->textColor());
    out["backgroundColor"] = colorJson(field->backgroundColor());
    out["drawsBackground"] = field->drawsBackground();
  }
  if (const auto* combo = dynamic_cast<const kit::ComboBox*>(&control)) {
    out["items"] = combo->items();
    out["selected"] = combo->indexOfSelectedItem();
  }
  if (const auto* button = dynamic_cast<const kit::Button*>(&control)) {
    out["title"] = button->title();
    out["state"] = button->state();
    out["buttonType"] = buttonTypeName(button->buttonType());
    if (!button->keyEquivalent().empty()) out["keyEquivalent"] = button->keyEquivalent();
  }
  if (const auto* popup = dynamic_cast<const kit::PopUpButton*>(&control)) {
    Json items = Json::array();
    for (int i = 0; i < popup->numberOfItems(); ++i) {
      const kit::MenuItem* item = popup->itemAtIndex(i);
      items.push_back(item->separator ? Json{{"separator", true}}
                                      : Json{{"title", item->title}, {"enabled", item->enabled}});
    }
    out["items"] = std::move(items);
    out["selected"] = popup->indexOfSelectedItem();
  }
}

// A view shown for the first time draws itself, as the window would when it first appears.
void drawIfNeverDrawn(kit::View& view) {
  if (!view.isHiddenOrHasHiddenAncestor() && view.displayCount() == 0) view.display();
}

Json viewJson(kit::View& view) {
  drawIfNeverDrawn(view);
  Json out{{"class", view.className()}, {"frame", rectJson(view.frame())}, {"hidden", view.isHidden()}};
  if (!view.identifier().empty()) out["id"] = view.identifier();
  if (!view.toolTip().empty()) out["tip"] = view.toolTip();
  if (const auto* control = dynamic_cast<const kit::Control*>(&view)) describeControl(*control, out);
  if (const auto* text = dynamic_cast<const kit::TextView*>(&view)) {
    out["text"] = text->string();
    out["alignment"] = alignmentName(text->alignment());
    // The range last asked to show and how many times it was asked: the page scrolls to it
    // whenever the count moves (a new help page shows from its start).
    out["scrolled"] = {text->lastScrolledRange().location, text->lastScrolledRange().length};
    out["scrolls"] = text->scrollCount();
  }
  if (!view.displayList().empty()) out["draw"] = drawingJson(view.displayList());
  Json subviews = Json::array();
  for (kit::View* child : view.subviews()) subviews.push_back(viewJson(*child));
  if (!subviews.empty()) out["subviews"] = std::move(subviews);
  return out;
}

Json flyoutJson(const Panel& panel) {
  Json items = Json::array();
  if (const FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel.flyout))
    for (const FlyoutItem& item : menu->items)
      items.push_back({{"id", item.id}, {"separator", item.separator}, {"text", item.text},
                       {"enabled", item.enabled}, {"checked", item.mark == kAIPanelFlyoutMenuItemMark_CHECK}});
  return items;
}

std::string text(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace

std::string panelsPart() {
  Json panels = Json::array();
  const SlotTable<Panel>& table = shell().ui.panels;
  for (uint32_t slot = 0; slot < table.slotCount(); ++slot) {
    if (!table.isLive(table.refAt(slot))) continue;
    const Panel& panel = table.at(slot);
    Json entry{{"id", panel.id},
               {"title", panel.title},
               {"size", {panel.size.width, panel.size.height}},
               {"shown", panel.isShown()},
               {"flyout", flyoutJson(panel)}};
    if (kit::View* view = panel.view(); view && panel.isShown()) entry["view"] = viewJson(*view);
    panels.push_back(std::move(entry));
  }
  return text(Json{{"panels", std::move(panels)}});
}

std::string windowsPart() {
  Json windows = Json::array();
  const kit::Window* modal = kit::Application::shared().modalWindow();
  for (kit::Window* window : kit::Application::shared().windows()) {
    if (!window->isVisible() || shell().ui.isPanelWindow(window)) continue;
    Json entry{{"id", window->identifier()},
               {"title", window->title()},
               {"frame", rectJson(window->frame())},
               {"modal", window == modal},
               {"key", window->isKeyWindow()}};
    if (window->contentView()) entry["view"] = viewJson(*window->contentView());
    windows.push_back(std::move(entry));
  }
  return text(Json{{"windows", std::move(windows)}});
}

}  // namespace host
