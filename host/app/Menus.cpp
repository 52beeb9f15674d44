#include "app/Menus.h"

#include <algorithm>
#include <array>
#include <utility>

#include "AIMenu.h"
#include "app/EventLoop.h"
#include "model/Shell.h"

namespace host {

namespace {

// Sub-menus nest a few levels in practice; deeper ones are not walked.
constexpr int kMaxMenuDepth = 16;

std::vector<std::string_view> splitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t slash = path.find('/');
    parts.push_back(path.substr(0, slash));
    if (slash == std::string_view::npos) return parts;
    path.remove_prefix(slash + 1);
  }
}

void appendGroup(std::vector<std::string>& lines, const MenuGroup& group, int depth) {
  if (depth > kMaxMenuDepth) return;
  const UserInterface& ui = shell().ui;
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  for (Ref ref : menuItemsOf(group.name)) {
    const MenuItem& item = *ui.menuItems.find(ref);
    std::string line = indent + item.text;
    const Ref subMenu = ui.subMenuOf(ref);
    const MenuGroup* opened = ui.menuGroups.find(subMenu);
    if (opened) line += opened->name == item.text ? " >" : " > " + opened->name;
    if (!item.enabled) line += " (disabled)";
    if (item.checked) line += " (checked)";
    lines.push_back(std::move(line));
    if (opened) appendGroup(lines, *opened, depth + 1);
  }
}

void appendPaths(std::vector<std::string>& paths, const MenuGroup& group, const std::string& prefix,
                 int depth) {
  if (depth > kMaxMenuDepth) return;
  const UserInterface& ui = shell().ui;
  for (Ref ref : menuItemsOf(group.name)) {
    const MenuItem& item = *ui.menuItems.find(ref);
    if (item.text.find('/') != std::string::npos) continue;
    const std::string path = prefix + "/" + item.text;
    if (const MenuGroup* opened = ui.menuGroups.find(ui.subMenuOf(ref)))
      appendPaths(paths, *opened, path, depth + 1);
    else
      paths.push_back(path);
  }
}

// The top-level group a title names, or null.
const MenuGroup* topGroupTitled(std::string_view title) {
  for (Ref ref : shell().ui.menuGroupOrder) {
    const MenuGroup* group = shell().ui.menuGroups.find(ref);
    if (group->parentItem.isNull() && menuTitle(*group) == title) return group;
  }
  return nullptr;
}

}  // namespace

std::string menuTitle(const MenuGroup& group) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kFrench{{
      {kAboutMenuGroup, "À propos"}, {kToolPalettesMenuGroup, "Palettes d'outils"}}};
  if (group.parentItem.isNull())
    for (const auto& [name, title] : kFrench)
      if (group.name == name) return std::string(title);
  return group.name;
}

std::vector<std::string> menuItemPaths() {
  std::vector<std::string> paths;
  for (Ref ref : shell().ui.menuGroupOrder) {
    const MenuGroup& group = *shell().ui.menuGroups.find(ref);
    if (group.parentItem.isNull() && group.name.find('/') == std::string::npos)
      appendPaths(paths, group, menuTitle(group), 1);
  }
  return paths;
}

void updateMenus(EventLoop& events) {
  std::vector<Ref> wanting;
  for (Ref group : shell().ui.menuGroupOrder)
    for (Ref item : menuItemsOf(shell().ui.menuGroups.find(group)->name))
      if (shell().ui.menuItems.find(item)->options & kMenuItemWantsUpdateOption) wanting.push_back(item);
  // Each item is looked up again: an update handler may remove items.
  for (Ref item : wanting) {
    const MenuItem* record = shell().ui.menuItems.find(item);
    if (!record) continue;
    AIMenuMessage message{};
    message.menuItem = toHandle<AIMenuItemHandle>(item);
    events.send(record->plugin, kAIMenuCaller, kAIMenuUpdateSelector, message);
  }
}

// Generations only grow, so they give the order in which the items were made.
std::vector<Ref> menuItemsOf(std::string_view group) {
  const SlotTable<MenuItem>& items = shell().ui.menuItems;
  std::vector<Ref> found;
  for (uint32_t slot = 0; slot < items.slotCount(); ++slot) {
    const Ref ref = items.refAt(slot);
    if (items.isLive(ref) && items.at(slot).group == group) found.push_back(ref);
  }
  std::sort(found.begin(), found.end(), [](Ref a, Ref b) { return a.generation < b.generation; });
  return found;
}

Ref menuItemAt(std::string_view path, std::string* problem) {
  const UserInterface& ui = shell().ui;
  const std::vector<std::string_view> parts = splitPath(path);
  const MenuGroup* group = topGroupTitled(parts.front());
  if (!group) {
    *problem = "no menu named '" + std::string(parts.front()) + "'";
    return Ref{};
  }
  if (parts.size() == 1) {
    *problem = "'" + std::string(path) + "' is a menu, not an item";
    return Ref{};
  }
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::vector<Ref> items = menuItemsOf(group->name);
    const auto found = std::find_if(items.begin(), items.end(), [&](Ref item) {
      return ui.menuItems.find(item)->text == parts[i];
    });
    if (found == items.end()) {
      *problem = "no item '" + std::string(parts[i]) + "' in '" + menuTitle(*group) + "'";
      return Ref{};
    }
    const MenuGroup* opened = ui.menuGroups.find(ui.subMenuOf(*found));
    if (i + 1 == parts.size()) {
      if (!opened) return *found;
      *problem = "'" + std::string(parts[i]) + "' opens a sub-menu";
      return Ref{};
    }
    if (!opened) {
      *problem = "'" + std::string(parts[i]) + "' opens no sub-menu";
      return Ref{};
    }
    group = opened;
  }
  return Ref{};
}

void chooseMenuItem(EventLoop& events, Ref item) {
  const MenuItem* record = shell().ui.menuItems.find(item);
  if (!record) return;
  AIMenuMessage message{};
  message.menuItem = toHandle<AIMenuItemHandle>(item);
  events.send(record->plugin, kAIMenuCaller, kAIMenuGoSelector, message);
}

std::vector<std::string> menuLines() {
  std::vector<std::string> lines;
  for (Ref ref : shell().ui.menuGroupOrder) {
    const MenuGroup& group = *shell().ui.menuGroups.find(ref);
    if (!group.parentItem.isNull()) continue;
    lines.push_back(menuTitle(group));
    appendGroup(lines, group, 1);
  }
  return lines;
}

}  // namespace host
