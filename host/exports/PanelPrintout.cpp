#include <algorithm>
#include <vector>

#include "exports/PanelExports.h"
#include "kit/Application.h"
#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/TextField.h"
#include "kit/TextView.h"
#include "kit/Window.h"
#include "model/NumberText.h"
#include "model/Shell.h"
#include "session/Quoting.h"

namespace host {

namespace {

std::string rectText(const kit::Rect& r) {
  return numberText(r.origin.x) + " " + numberText(r.origin.y) + " " + numberText(r.size.width) + " " +
         numberText(r.size.height);
}

std::string itemsText(const std::vector<std::string>& titles, const std::vector<bool>& separators,
                      const std::vector<bool>& enabled) {
  std::string text = "items [";
  for (size_t i = 0; i < titles.size(); ++i) {
    if (i) text += ", ";
    text += separators[i] ? "-" : jsonQuoted(titles[i]);
    if (!separators[i] && !enabled[i]) text += " (disabled)";
  }
  return text + "]";
}

std::string popupText(const kit::PopUpButton& popup) {
  std::vector<std::string> titles;
  std::vector<bool> separators, enabled;
  for (int i = 0; i < popup.numberOfItems(); ++i) {
    const kit::MenuItem* item = popup.itemAtIndex(i);
    titles.push_back(item->title);
    separators.push_back(item->separator);
    enabled.push_back(item->enabled);
  }
  return itemsText(titles, separators, enabled) + " selected " + std::to_string(popup.indexOfSelectedItem());
}

std::string comboText(const kit::ComboBox& combo) {
  const std::vector<std::string>& titles = combo.items();
  return " " + itemsText(titles, std::vector<bool>(titles.size(), false), std::vector<bool>(titles.size(), true)) +
         " selected " + std::to_string(combo.indexOfSelectedItem());
}

// What the view's kind holds, then its state.
std::string viewText(const kit::View& view) {
  std::string line = view.identifier() + " " + view.className();
  if (auto* popup = dynamic_cast<const kit::PopUpButton*>(&view)) {
    line += " " + popupText(*popup);
  } else if (auto* field = dynamic_cast<const kit::TextField*>(&view)) {
    line += " text " + jsonQuoted(field->stringValue());
    if (auto* combo = dynamic_cast<const kit::ComboBox*>(&view)) line += comboText(*combo);
  } else if (auto* button = dynamic_cast<const kit::Button*>(&view)) {
    line += " title " + jsonQuoted(button->title()) + " state " + std::to_string(button->state());
  } else if (auto* text = dynamic_cast<const kit::TextView*>(&view)) {
    line += " text " + jsonQuoted(text->string());
  }
  if (auto* control = dynamic_cast<const kit::Control*>(&view))
    line += control->isEnabled() ? " enabled" : " disabled";
  if (view.isHidden()) line += " hidden";
  if (!view.toolTip().empty()) line += " tip " + jsonQuoted(view.toolTip());
  return line + " frame " + rectText(view.frame());
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

void appendNamedViews(std::vector<std::string>& lines, const kit::View& view, Wanted& wanted) {
  if (!view.identifier().empty() && wanted.take(view.identifier())) lines.push_back("  " + viewText(view));
  for (const kit::View* child : view.subviews()) appendNamedViews(lines, *child, wanted);
}

void appendFlyout(std::vector<std::string>& lines, const Panel& panel) {
  const FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel.flyout);
  if (!menu) return;
  for (const FlyoutItem& item : menu->items) {
    std::string line = "  flyout " + std::to_string(item.id);
    if (item.separator) {
      lines.push_back(line + " separator");
      continue;
    }
    line += " " + jsonQuoted(item.text) + (item.enabled ? " enabled" : " disabled");
    if (item.mark == kAIPanelFlyoutMenuItemMark_CHECK) line += " checked";
    lines.push_back(std::move(line));
  }
}

}  // namespace

std::vector<std::string> panelLines(const std::vector<std::string>& names) {
  std::vector<std::string> lines;
  Wanted wanted{names};
  const SlotTable<Panel>& panels = shell().ui.panels;
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot) {
    if (!panels.isLive(panels.refAt(slot))) continue;
    const Panel& panel = panels.at(slot);
    if (wanted.take(panel.id)) {
      lines.push_back("panel " + jsonQuoted(panel.title) + " id " + jsonQuoted(panel.id) + " size " +
                      numberText(panel.size.width) + " " + numberText(panel.size.height) +
                      (panel.isShown() ? " shown" : " hidden"));
      appendFlyout(lines, panel);
    }
    if (panel.view()) appendNamedViews(lines, *panel.view(), wanted);
  }
  const kit::Application& application = kit::Application::shared();
  for (const kit::Window* window : application.windows()) {
    if (!window->isVisible() || shell().ui.isPanelWindow(window)) continue;
    if (wanted.take(window->identifier())) {
      std::string header = "window " + jsonQuoted(window->title()) + " id " + jsonQuoted(window->identifier()) +
                           " frame " + rectText(window->frame());
      if (window == application.modalWindow()) header += " modal";
      lines.push_back(std::move(header));
    }
    if (window->contentView()) appendNamedViews(lines, *window->contentView(), wanted);
  }
  for (size_t i = 0; i < names.size(); ++i)
    if (!wanted.found[i]) lines.push_back("no " + names[i]);
  if (lines.empty()) lines.push_back("no panel");
  return lines;
}

}  // namespace host
