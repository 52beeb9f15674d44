#include "model/UserInterface.h"

#include <algorithm>

#include "AIMenu.h"
#include "AITool.h"
#include "kit/Window.h"

namespace host {

FlyoutItem* FlyoutMenu::item(int32_t id) {
  const auto found =
      std::find_if(items.begin(), items.end(), [&](const FlyoutItem& i) { return i.id == id; });
  return found == items.end() ? nullptr : &*found;
}

bool Panel::isShown() const { return window && window->isVisible(); }

kit::View* Panel::view() const { return window ? window->contentView() : nullptr; }

UserInterface::UserInterface() {
  for (const char* name : {kAboutMenuGroup, kToolPalettesMenuGroup})
    menuGroupOrder.push_back(menuGroups.insert(MenuGroup{name, Ref{}, 0}));
  addOwnTool(kSelectToolName, ToolOwner::Host);
  addOwnTool(kEyedropperToolName, ToolOwner::Host);
  addOwnTool(kRectangleToolName, ToolOwner::Host);
  selectedTool = toolOrder.front();
}

Ref UserInterface::addOwnTool(std::string name, ToolOwner owner) {
  Tool tool;
  tool.owner = owner;
  tool.title = name;
  tool.name = std::move(name);
  tool.group = ++groupsMade_;
  tool.toolset = ++toolsetsMade_;
  toolOrder.reserve(toolOrder.size() + 1);
  const Ref made = tools.insert(std::move(tool));
  if (!made.isNull()) toolOrder.push_back(made);
  return made;
}

Ref UserInterface::addCompanionTool(const std::string& name) {
  if (!toolNamed(name).isNull()) return Ref{};
  return addOwnTool(name, ToolOwner::Companion);
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

Ref UserInterface::subMenuOf(Ref item) const {
  for (Ref group : menuGroupOrder)
    if (menuGroups.find(group)->parentItem == item) return group;
  return Ref{};
}

bool UserInterface::addCompanionMenuGroup(const std::string& name) {
  if (name.empty() || menuKeyTaken(name) || !menuGroupNamed(name).isNull()) return false;
  menuGroupOrder.reserve(menuGroupOrder.size() + 1);  // a group is never stored out of order
  const Ref item = menuItems.insert(MenuItem{Ref{}, name, kToolPalettesMenuGroup, name});
  if (item.isNull()) return false;
  const Ref group = menuGroups.insert(MenuGroup{name, item, kMenuGroupSortedAlphabeticallyOption});
  if (group.isNull()) {
    menuItems.erase(item);
    return false;
  }
  menuGroupOrder.push_back(group);
  return true;
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

AIErr UserInterface::addTool(Tool tool, int16_t sameGroupAs, int16_t sameToolsetAs, Ref* added) {
  const auto numbered = [&](int16_t number) -> const Tool* {
    if (number < 0 || static_cast<size_t>(number) >= toolOrder.size()) return nullptr;
    return tools.find(toolOrder[static_cast<size_t>(number)]);
  };
  const Tool* groupMate = sameGroupAs == kNoTool ? nullptr : numbered(sameGroupAs);
  const Tool* toolsetMate = sameToolsetAs == kNoTool ? nullptr : numbered(sameToolsetAs);
  if ((sameGroupAs != kNoTool && !groupMate) || (sameToolsetAs != kNoTool && !toolsetMate))
    return kBadParameterErr;
  if (groupMate && toolsetMate && groupMate->group != toolsetMate->group) return kBadParameterErr;

  if (toolsetMate) {
    tool.group = toolsetMate->group;
    tool.toolset = toolsetMate->toolset;
  } else {
    tool.group = groupMate ? groupMate->group : groupsMade_ + 1;
    tool.toolset = toolsetsMade_ + 1;
  }
  toolOrder.reserve(toolOrder.size() + 1);  // a tool is never stored without its number
  const Ref made = tools.insert(std::move(tool));
  if (made.isNull()) return kTooManyErr;
  const Tool& stored = *tools.find(made);
  groupsMade_ = std::max(groupsMade_, stored.group);
  toolsetsMade_ = std::max(toolsetsMade_, stored.toolset);
  toolOrder.push_back(made);
  *added = made;
  return kNoErr;
}

void UserInterface::selectTool(Ref tool) {
  if (tool == selectedTool) return;
  toolChanges_.push_back(ToolChange{selectedTool, tool});
  selectedTool = tool;
}

std::vector<ToolChange> UserInterface::takeToolChanges() {
  std::vector<ToolChange> changes;
  changes.swap(toolChanges_);
  return changes;
}

bool UserInterface::isPanelWindow(const kit::Window* window) const {
  for (uint32_t slot = 0; slot < panels.slotCount(); ++slot)
    if (panels.isLive(panels.refAt(slot)) && panels.at(slot).window.get() == window) return true;
  return false;
}

void UserInterface::forgetPlugin(Ref plugin) {
  if (plugin.isNull()) return;
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
  // The tools of a plug-in that has gone are told nothing more; a change still matters
  // while a plug-in tool at either end can be told.
  const auto tellable = [&](Ref tool) {
    const Tool* record = tools.find(tool);
    return record && record->owner == ToolOwner::Plugin;
  };
  std::erase_if(toolChanges_, [&](const ToolChange& change) {
    return !tellable(change.from) && !tellable(change.to);
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
