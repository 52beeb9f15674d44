#include <algorithm>
#include <vector>

#include "exports/InterfaceDescription.h"
#include "exports/PanelExports.h"
#include "model/NumberText.h"
#include "session/Quoting.h"

namespace host {

namespace {

using Json = nlohmann::json;

std::string numbersText(const Json& numbers) {
  std::string text;
  for (const Json& n : numbers) text += (text.empty() ? "" : " ") + numberText(n.get<double>());
  return text;
}

// A combo box's items are titles, a pop-up's are objects; '-' is a separator.
std::string itemsText(const Json& view) {
  std::string text = " items [";
  for (const Json& item : view["items"]) {
    if (text.back() != '[') text += ", ";
    if (item.is_string()) {
      text += jsonQuoted(item.get<std::string>());
    } else if (item.value("separator", false)) {
      text += "-";
    } else {
      text += jsonQuoted(item.value("title", ""));
      if (!item.value("enabled", true)) text += " (disabled)";
    }
  }
  return text + "] selected " + std::to_string(view.value("selectedIndex", -1));
}

std::string textOf(const Json& view, const char* key) { return jsonQuoted(view.value(key, "")); }

// What the view's kind holds (a button has a type, a field is selectable or not, a pop-up
// has items alone, a text view has text but no enabled state), then its state.
std::string viewText(const Json& view) {
  std::string line = view.value("identifier", "") + " " + view.value("class", "");
  if (view.contains("buttonType")) {
    line += " title " + textOf(view, "title") + " state " + std::to_string(view.value("state", 0));
  } else if (view.contains("selectable")) {
    line += " text " + textOf(view, "text");
    if (view.contains("items")) line += itemsText(view);
  } else if (view.contains("items")) {
    line += itemsText(view);
  } else if (view.contains("text") && !view.contains("enabled")) {
    line += " text " + textOf(view, "text");
  }
  if (view.contains("enabled")) line += view["enabled"].get<bool>() ? " enabled" : " disabled";
  if (view.value("hidden", false)) line += " hidden";
  if (view.contains("toolTip")) line += " tip " + textOf(view, "toolTip");
  return line + " frame " + numbersText(view["frame"]);
}

// The names asked for (all when none), and those found so far.
struct Wanted {
  const std::vector<std::string>& names;
  std::vector<bool> found = std::vector<bool>(names.size(), false);

  bool take(const std::string& name) {
    if (names.empty()) return true;
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) return false;
    found[at - names.begin()] = true;
    return true;
  }
};

void appendNamedViews(std::vector<std::string>& lines, const Json& view, Wanted& wanted) {
  if (view.contains("identifier") && wanted.take(view["identifier"])) lines.push_back("  " + viewText(view));
  for (const Json* child : kit::describedChildren(view)) appendNamedViews(lines, *child, wanted);
}

void appendFlyout(std::vector<std::string>& lines, const Json& flyout) {
  for (const Json& item : flyout) {
    std::string line = "  flyout " + std::to_string(item["id"].get<long long>());
    if (item["separator"].get<bool>()) {
      lines.push_back(line + " separator");
      continue;
    }
    line += " " + textOf(item, "text") + (item["enabled"].get<bool>() ? " enabled" : " disabled");
    if (item["checked"].get<bool>()) line += " checked";
    lines.push_back(std::move(line));
  }
}

}  // namespace

std::vector<std::string> panelLines(const std::vector<std::string>& names) {
  std::vector<std::string> lines;
  Wanted wanted{names};
  for (const Panel* live : livePanels()) {
    const Json panel = describePanel(*live, kit::Live::None);
    if (wanted.take(panel["id"])) {
      lines.push_back("panel " + textOf(panel, "title") + " id " + textOf(panel, "id") + " size " +
                      numbersText(panel["size"]) + (panel["shown"].get<bool>() ? " shown" : " hidden"));
      appendFlyout(lines, panel["flyout"]);
    }
    if (panel.contains("view")) appendNamedViews(lines, panel["view"], wanted);
  }
  for (const Json& window : describeDialogs(kit::Live::None)) {
    if (wanted.take(window.value("identifier", ""))) {
      lines.push_back("window " + textOf(window, "title") + " id " + textOf(window, "identifier") + " frame " +
                      numbersText(window["frame"]) + (window["modal"].get<bool>() ? " modal" : ""));
    }
    for (const Json& view : window.value("subviews", Json::array())) appendNamedViews(lines, view, wanted);
  }
  for (size_t i = 0; i < names.size(); ++i)
    if (!wanted.found[i]) lines.push_back("no " + names[i]);
  if (lines.empty()) lines.push_back("no panel");
  return lines;
}

}  // namespace host
