#include "exports/InterfaceDescription.h"

#include "kit/Application.h"
#include "kit/Window.h"
#include "model/Shell.h"

namespace host {

namespace {

using Json = nlohmann::json;

Json flyoutJson(const Panel& panel) {
  Json items = Json::array();
  if (const FlyoutMenu* menu = shell().ui.flyoutMenus.find(panel.flyout))
    for (const FlyoutItem& item : menu->items)
      items.push_back({{"id", item.id}, {"separator", item.separator}, {"text", item.text},
                       {"enabled", item.enabled}, {"checked", item.mark == kAIPanelFlyoutMenuItemMark_CHECK}});
  return items;
}

}  // namespace

std::vector<const Panel*> livePanels() {
  std::vector<const Panel*> found;
  const SlotTable<Panel>& panels = shell().ui.panels;
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot)
    if (panels.isLive(panels.refAt(slot))) found.push_back(&panels.at(slot));
  return found;
}

Json describePanel(const Panel& panel, kit::Live live) {
  Json out{{"id", panel.id},
           {"title", panel.title},
           {"size", {panel.size.width, panel.size.height}},
           {"shown", panel.isShown()},
           {"flyout", flyoutJson(panel)}};
  if (const kit::View* view = panel.view()) out["view"] = kit::describeView(*view, live);
  return out;
}

Json describeDialogs(kit::Live live) {
  Json windows = Json::array();
  const kit::Window* modal = kit::Application::shared().modalWindow();
  for (const kit::Window* window : kit::Application::shared().windows()) {
    if (!window->isVisible() || shell().ui.isPanelWindow(window)) continue;
    Json entry = kit::describeWindow(*window, live);
    entry["modal"] = window == modal;
    windows.push_back(std::move(entry));
  }
  return windows;
}

}  // namespace host
