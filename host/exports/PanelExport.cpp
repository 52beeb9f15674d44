#include <algorithm>
#include <nlohmann/json.hpp>

#include "exports/InterfaceDescription.h"
#include "exports/PanelExports.h"
#include "kit/View.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/Quoting.h"

namespace host {

namespace {

using Json = nlohmann::json;

constexpr double kGap = 10;

Json panelJson(const Panel& panel) {
  Json out = describePanel(panel, kit::Live::State);
  out.erase("view");
  out.update(Json{{"minimumSize", {panel.minimumSize.width, panel.minimumSize.height}},
                  {"stateCount", panel.stateCount},
                  {"resizable", panel.resizable},
                  {"preferredSizes", {panel.preferredSizes.h, panel.preferredSizes.v}},
                  {"lightIconBytes", panel.lightIcon.size()},
                  {"darkIconBytes", panel.darkIcon.size()},
                  {"controls", panel.view() ? kit::describeNamedViews(*panel.view()) : Json::object()}});
  return out;
}

// ---- SVG ------------------------------------------------------------------------------

std::string colorText(const Json& c) {
  const auto channel = [](const Json& v) {
    return std::to_string(static_cast<int>(std::clamp(v.get<double>(), 0.0, 1.0) * 255 + 0.5));
  };
  return "rgb(" + channel(c[0]) + "," + channel(c[1]) + "," + channel(c[2]) + ")";
}

// The text a control shows: a pop-up its selected item, a button its title, a field or a
// text view its text.
std::string shownText(const Json& view) {
  if (view.contains("items") && !view.contains("selectable")) {
    const int selected = view.value("selectedIndex", -1);
    return selected >= 0 && selected < int(view["items"].size()) ? view["items"][selected].value("title", "") : "";
  }
  if (view.contains("buttonType")) return view.value("title", "");
  return view.value("text", "");
}

double number(const Json& v) { return v.get<double>(); }

// Draws described views in page coordinates: x to the right, y downwards from the panel's
// top at `top`, the kit's y growing upwards within a panel of height `height`.
class SvgPainter {
 public:
  SvgPainter(std::string& out, double top, double height) : out_(out), top_(top), height_(height) {}

  void paint(const Json& view, double originX, double originY) {
    if (view.value("hidden", false)) return;
    const Json& frame = view["frame"];
    const double x = originX + number(frame[0]), y = originY + number(frame[1]);
    const double width = number(frame[2]), height = number(frame[3]);
    const std::string identifier = view.value("identifier", "");
    const bool control = view.contains("enabled");
    out_ += "<g";
    if (!identifier.empty()) out_ += " id=\"" + xmlEscaped(identifier) + "\"";
    if (control && !view["enabled"].get<bool>()) out_ += " opacity=\"0.5\"";
    out_ += ">\n";
    if (view.contains("live")) paintRecords(view["live"].value("drawing", Json::array()), x, y);
    if (!identifier.empty() || control)
      out_ += "<rect x=\"" + numberText(x) + "\" y=\"" + numberText(pageY(y + height)) + "\" width=\"" +
              numberText(width) + "\" height=\"" + numberText(height) +
              "\" fill=\"none\" stroke=\"#888888\" stroke-width=\"0.5\"/>\n";
    const std::string text = shownText(view);
    if (!text.empty())
      out_ += "<text x=\"" + numberText(x + 3) + "\" y=\"" + numberText(pageY(y + height / 2) + 3) +
              "\" font-size=\"9\">" + xmlEscaped(text) + "</text>\n";
    for (const Json* child : kit::describedChildren(view)) paint(*child, x, y);
    out_ += "</g>\n";
  }

 private:
  double pageY(double kitY) const { return top_ + height_ - kitY; }

  void paintRecords(const Json& records, double x, double y) {
    for (const Json& record : records) {
      if (record.contains("stroke")) {
        std::string d;
        for (const Json& e : record["stroke"]) {
          d += e[0].get<std::string>() + " ";
          if (e[0] != "Z") d += numberText(x + number(e[1])) + " " + numberText(pageY(y + number(e[2]))) + " ";
        }
        out_ += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + colorText(record["color"]) + "\" stroke-width=\"" +
                numberText(number(record["width"])) + "\"/>\n";
      } else {
        const Json& r = record["fill"];
        out_ += "<rect x=\"" + numberText(x + number(r[0])) + "\" y=\"" +
                numberText(pageY(y + number(r[1]) + number(r[3]))) + "\" width=\"" + numberText(number(r[2])) +
                "\" height=\"" + numberText(number(r[3])) + "\" fill=\"" + colorText(record["color"]) + "\"/>\n";
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
  return Json{{"panels", std::move(panels)}, {"windows", describeDialogs(kit::Live::State)}}.dump(2, ' ', false,
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
    SvgPainter(body, top, panel->size.height).paint(kit::describeView(*view, kit::Live::Drawing), 0, 0);
    body += "</g>\n";
    top += panel->size.height + kGap;
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
         numberText(width) + " " + numberText(height) + "\" width=\"" + numberText(width) + "\" height=\"" +
         numberText(height) + "\" font-family=\"sans-serif\">\n" + body + "</svg>\n";
}

}  // namespace host
