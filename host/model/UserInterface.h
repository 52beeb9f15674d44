// What plug-ins add to the host's user interface: menu groups and items, tools,
// annotators, panels and their flyout menus, and the theme. Everything a plug-in added is
// forgotten when it shuts down, so nothing keeps pointing into a module that is gone.
#ifndef GUIDES_HOST_MODEL_USERINTERFACE_H
#define GUIDES_HOST_MODEL_USERINTERFACE_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "AIPanel.h"
#include "AITypes.h"
#include "model/SlotTable.h"

namespace kit {
class View;
}

namespace host {

struct MenuItem {
  Ref plugin;
  std::string key;
  std::string group;
  std::string text;
  int32_t options = 0;
  bool enabled = true;
  bool checked = false;
};

struct MenuGroup {
  std::string name;
  Ref parentItem;  // the item the group hangs from; null for the host's own groups
  int32_t options = 0;
};

struct Tool {
  Ref plugin;  // null for the host's own tools
  std::string name;
  std::string title;
  std::string tooltip;
  int32_t options = 0;
  std::vector<int32_t> infoVars;
};

struct Annotator {
  Ref plugin;
  std::string name;
  bool active = false;
};

struct FlyoutItem {
  int32_t id = 0;
  bool separator = false;
  std::string text;
  bool enabled = true;
  int32_t mark = kAIPanelFlyoutMenuItemMark_NONE;
};

struct FlyoutMenu {
  std::vector<FlyoutItem> items;
  FlyoutItem* item(int32_t id);
};

struct Panel {
  Ref plugin;
  std::string id;
  std::string title;
  int32_t stateCount = 0;
  AISize minimumSize{0, 0};
  AISize size{0, 0};
  bool resizable = false;
  bool shown = false;
  Ref flyout;
  void* userData = nullptr;
  AIPoint preferredSizes{0, 0};
  AIPanelFlyoutMenuProc flyoutProc = nullptr;
  std::vector<uint8_t> lightIcon;
  std::vector<uint8_t> darkIcon;
  std::shared_ptr<kit::View> view;  // the toolkit view the plug-in fills
};

class UserInterface {
 public:
  UserInterface();

  // Menus: groups in order (the host's own first), items by reference.
  SlotTable<MenuItem> menuItems;
  SlotTable<MenuGroup> menuGroups;
  std::vector<Ref> menuGroupOrder;
  Ref menuGroupNamed(std::string_view name) const;
  bool menuKeyTaken(std::string_view key) const;

  // Tools in order of registration, the host's own first; the index is the tool number.
  SlotTable<Tool> tools;
  std::vector<Ref> toolOrder;
  Ref selectedTool;
  Ref toolNamed(std::string_view name) const;
  int16_t toolNumber(Ref tool) const;  // -1 when unknown

  SlotTable<Annotator> annotators;
  int32_t invalidations = 0;  // annotation rectangles invalidated since the last redraw

  SlotTable<FlyoutMenu> flyoutMenus;
  SlotTable<Panel> panels;

  bool darkTheme = false;

  // Removes the menu items, groups, tools, annotators and panels of a plug-in.
  void forgetPlugin(Ref plugin);

 private:
  void addHostTool(std::string name);
};

}  // namespace host

#endif
