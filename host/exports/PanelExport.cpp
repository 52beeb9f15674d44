#include <algorithm>
#include <nlohmann/json.hpp>
#include <variant>

#include "exports/PanelExports.h"
#include "kit/Application.h"
#include "kit/Button.h"
#include "kit/PopUpButton.h"
#include "kit/Snapshot.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/Window.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/Quoting.h"

namespace host {

namespace {

using Json = nlohmann::json;

constexpr double kGap = 10;

std::vector<const Panel*> livePanels() {
  std::vector<const Panel*> found;
  const SlotTable<Panel>& panels = shell().ui.panels;
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot)
    if (panels.isLive(panels.refAt(slot))) found.push_back(&panels.at(slot));
  return found;
}

Json flyoutJson(const Panel& panel) {
  Json items = Json::array();
  if (const FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel.flyout))
    for (const FlyoutItem& item : menu->items)
      items.push_back({{"id", item.id},
                       {"separator", item.separator},
                       {"text", item.text},
                       {"enabled", item.enabled},
                       {"checked", item.mark == kAIPanelFlyoutMenuItemMark_CHECK}});
  return items;
}

Json panelJson(const Panel& panel) {
  return {{"id", panel.id},
          {"title", panel.title},
          {"size", {panel.size.width, panel.size.height}},
          {"minimumSize", {panel.minimumSize.width, panel.minimumSize.height}},
          {"shown", panel.isShown()},
          {"stateCount", panel.stateCount},
          {"resizable", panel.resizable},
          {"preferredSizes", {panel.preferredSizes.h, panel.preferredSizes.v}},
          {"lightIconBytes", panel.lightIcon.size()},
          {"darkIconBytes", panel.darkIcon.size()},
          {"flyout", flyoutJson(panel)},
          {"controls", panel.view() ? kit::describeNamedViews(*panel.view()) : Json::object()}};
}

// ---- SVG ------------------------------------------------------------------------------

std::string colorText(const kit::Color& c) {
  const auto channel = [](double v) { return std::to_string(static_cast<int>(std::clamp(v, 0.0, 1.0) * 255 + 0.5)); };
  return "rgb(" + channel(c.redComponent()) + "," + channel(c.greenComponent()) + "," +
         channel(c.blueComponent()) + ")";
}

// The text a control shows.
std::string shownText(const kit::View& view) {
  if (auto* popup = dynamic_cast<const kit::PopUpButton*>(&view)) return popup->titleOfSelectedItem();
  if (auto* button = dynamic_cast<const kit::Button*>(&view)) return button->title();
  if (auto* field = dynamic_cast<const kit::TextField*>(&view)) return field->stringValue();
  if (auto* text = dynamic_cast<const kit::TextView*>(&view)) return text->string();
  return {};
}

// Draws views in page coordinates: x to the right, y downwards from the panel's top at
// `top`, the kit's y growing upwards within a panel of height `height`.
class SvgPainter {
 public:
  SvgPainter(std::string& out, double top, double height) : out_(out), top_(top), height_(height) {}

  void paint(const kit::View& view, double originX, double originY) {
    if (view.isHidden()) return;
    const kit::Rect frame = view.frame();
    const double x = originX + frame.origin.x, y = originY + frame.origin.y;
    const auto* control = dynamic_cast<const kit::Control*>(&view);
    const bool dimmed = control && !control->isEnabled();
    out_ += "<g";
    if (!view.identifier().empty()) out_ += " id=\"" + xmlEscaped(view.identifier()) + "\"";
    if (dimmed) out_ += " opacity=\"0.5\"";
    out_ += ">\n";
    paintRecords(view, x, y);
    if (!view.identifier().empty() || control)
      out_ += "<rect x=\"" + numberText(x) + "\" y=\"" + numberText(pageY(y + frame.size.height)) +
              "\" width=\"" + numberText(frame.size.width) + "\" height=\"" + numberText(frame.size.height) +
              "\" fill=\"none\" stroke=\"#888888\" stroke-width=\"0.5\"/>\n";
    const std::string text = shownText(view);
    if (!text.empty())
      out_ += "<text x=\"" + numberText(x + 3) + "\" y=\"" + numberText(pageY(y + frame.size.height / 2) + 3) +
              "\" font-size=\"9\">" + xmlEscaped(text) + "</text>\n";
    for (const kit::View* child : view.subviews()) paint(*child, x, y);
    out_ += "</g>\n";
  }

 private:
  double pageY(double kitY) const { return top_ + height_ - kitY; }

  void paintRecords(const kit::View& view, double x, double y) {
    for (const kit::DrawRecord& record : view.displayList()) {
      if (const auto* stroke = std::get_if<kit::StrokeRecord>(&record)) {
        std::string d;
        for (const kit::PathElement& e : stroke->elements) {
          if (e.kind == kit::PathElement::Kind::ClosePath) {
            d += "Z ";
            continue;
          }
          d += e.kind == kit::PathElement::Kind::MoveTo ? "M " : "L ";
          d += numberText(x + e.point.x) + " " + numberText(pageY(y + e.point.y)) + " ";
        }
        out_ += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + colorText(stroke->color) +
                "\" stroke-width=\"" + numberText(stroke->lineWidth) + "\"/>\n";
      } else if (const auto* fill = std::get_if<kit::FillRecord>(&record)) {
        const kit::Rect& r = fill->rect;
        out_ += "<rect x=\"" + numberText(x + r.origin.x) + "\" y=\"" +
                numberText(pageY(y + r.origin.y + r.size.height)) + "\" width=\"" + numberText(r.size.width) +
                "\" height=\"" + numberText(r.size.height) + "\" fill=\"" + colorText(fill->color) + "\"/>\n";
      }
    }
  }

  std::string& out_;
  double top_;
  double height_;
};

}  // namespace

std::string panelJson() {
  Json panels = Json::array();
  for (const Panel* panel : livePanels()) panels.push_back(panelJson(*panel));
  Json windows = Json::array();
  for (const kit::Window* window : kit::Application::shared().windows())
    if (window->isVisible() && !shell().ui.isPanelWindow(window)) windows.push_back(kit::describeWindow(*window));
  return Json{{"panels", std::move(panels)}, {"windows", std::move(windows)}}.dump(2, ' ', false,
                                                                                    Json::error_handler_t::replace) +
         "\n";
}

std::string panelSvg() {
  const std::vector<const Panel*> panels = livePanels();
  double width = 0, height = 0;
  for (const Panel* panel : panels) {
    width = std::max(width, double{panel->size.width});
    height += panel->size.height + (height > 0 ? kGap : 0);
  }
  std::string body;
  double top = 0;
  for (const Panel* panel : panels) {
    kit::View* view = panel->view();
    if (!view) continue;
    view->display();
    body += "<g class=\"panel\"><title>" + xmlEscaped(panel->title) + "</title>\n";
    body += "<rect x=\"0\" y=\"" + numberText(top) + "\" width=\"" + numberText(panel->size.width) +
            "\" height=\"" + numberText(panel->size.height) + "\" fill=\"#eeeeee\"/>\n";
    SvgPainter(body, top, panel->size.height).paint(*view, 0, 0);
    body += "</g>\n";
    top += panel->size.height + kGap;
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
         numberText(width) + " " + numberText(height) + "\" width=\"" + numberText(width) + "\" height=\"" +
         numberText(height) + "\" font-family=\"sans-serif\">\n" + body + "</svg>\n";
}

}  // namespace host
