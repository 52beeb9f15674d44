#include "model/UserInterface.h"

#include <algorithm>

#include "AIMenu.h"
#include "AITool.h"

namespace host {

FlyoutItem* FlyoutMenu::item(int32_t id) {
  const auto found =
      std::find_if(items.begin(), items.end(), [&](const FlyoutItem& i) { return i.id == id; });
  return found == items.end() ? nullptr : &*found;
}

UserInterface::UserInterface() {
  for (const char* name : {kAboutMenuGroup, kToolPalettesMenuGroup})
    menuGroupOrder.push_back(menuGroups.insert(MenuGroup{name, Ref{}, 0}));
  addHostTool(kSelectToolName);
  addHostTool(kEyedropperToolName);
  selectedTool = toolOrder.front();
}

void UserInterface::addHostTool(std::string name) {
  Tool tool;
  tool.name = std::move(name);
  toolOrder.push_back(tools.insert(std::move(tool)));
}

Ref UserInterface::menuGroupNamed(std::string_view name) const {
  for (Ref group : menuGroupOrder)
    if (menuGroups.find(group)->name == name) return group;
  return Ref{};
}

bool UserInterface::menuKeyTaken(std::string_view key) const {
  for (uint32_t slot = 0; slot < menuItems.slotCount(); ++slot) {
    const MenuItem* item = menuItems.find(menuItems.refAt(slot));
    if (item && item->key == key) return true;
  }
  return false;
}

Ref UserInterface::toolNamed(std::string_view name) const {
  for (Ref tool : toolOrder)
    if (tools.find(tool)->name == name) return tool;
  return Ref{};
}

int16_t UserInterface::toolNumber(Ref tool) const {
  const auto found = std::find(toolOrder.begin(), toolOrder.end(), tool);
  return found == toolOrder.end() ? int16_t{-1} : static_cast<int16_t>(found - toolOrder.begin());
}

void UserInterface::forgetPlugin(Ref plugin) {
  for (uint32_t slot = 0; slot < menuItems.slotCount(); ++slot) {
    const Ref item = menuItems.refAt(slot);
    if (menuItems.isLive(item) && menuItems.at(slot).plugin == plugin) menuItems.erase(item);
  }
  // Groups hanging from items that are gone go too, and the items that were in them.
  std::erase_if(menuGroupOrder, [&](Ref group) {
    const MenuGroup& record = *menuGroups.find(group);
    if (record.parentItem.isNull() || menuItems.isLive(record.parentItem)) return false;
    for (uint32_t slot = 0; slot < menuItems.slotCount(); ++slot) {
      const Ref item = menuItems.refAt(slot);
      if (menuItems.isLive(item) && menuItems.at(slot).group == record.name) menuItems.erase(item);
    }
    menuGroups.erase(group);
    return true;
  });

  std::erase_if(toolOrder, [&](Ref tool) {
    if (tools.find(tool)->plugin != plugin) return false;
    tools.erase(tool);
    return true;
  });
  if (!tools.isLive(selectedTool)) selectedTool = toolOrder.front();

  for (uint32_t slot = 0; slot < annotators.slotCount(); ++slot) {
    const Ref annotator = annotators.refAt(slot);
    if (annotators.isLive(annotator) && annotators.at(slot).plugin == plugin)
      annotators.erase(annotator);
  }
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot) {
    const Ref panel = panels.refAt(slot);
    if (!panels.isLive(panel) || panels.at(slot).plugin != plugin) continue;
    flyoutMenus.erase(panels.at(slot).flyout);
    panels.erase(panel);
  }
}

}  // namespace host
