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
#include "model/Overlay.h"
#include "model/SlotTable.h"

namespace kit {
class View;
class Window;
}  // namespace kit

namespace host {

struct MenuItem {
  Ref plugin;  // null for items the host or a companion plug-in made
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

enum class ToolOwner { Host, Companion, Plugin };

struct Tool {
  Ref plugin;  // null for the host's own tools and the companions'
  ToolOwner owner = ToolOwner::Host;
  std::string name;
  std::string title;
  std::string tooltip;
  int32_t options = 0;
  int32_t normalIcon = 0;  // resource ids of the icons
  int32_t darkIcon = 0;
  int32_t group = 0;  // place in the toolbox: a group holds toolsets, a toolset tools
  int32_t toolset = 0;
  std::vector<int32_t> infoVars;
};

// The selected tool changed from one tool to another; the host tells the plug-in tools.
struct ToolChange {
  Ref from;
  Ref to;
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

// A floating panel: a toolkit window whose content view the plug-in fills. It is shown
// while its window is visible.
struct Panel {
  Ref plugin;
  std::string id;
  std::string title;
  int32_t stateCount = 0;
  AISize minimumSize{0, 0};
  AISize size{0, 0};
  bool resizable = false;
  Ref flyout;
  void* userData = nullptr;
  AIPoint preferredSizes{0, 0};
  AIPanelFlyoutMenuProc flyoutProc = nullptr;
  std::vector<uint8_t> lightIcon;
  std::vector<uint8_t> darkIcon;
  std::shared_ptr<kit::Window> window;

  bool isShown() const;
  kit::View* view() const;
};

// The host's own drawing tool, beside its selection tool and eyedropper (AITool.h).
inline constexpr const char* kRectangleToolName = "Rectangle Tool";

class UserInterface {
 public:
  UserInterface();

  // Menus: groups in order (the host's own first), items by reference.
  SlotTable<MenuItem> menuItems;
  SlotTable<MenuGroup> menuGroups;
  std::vector<Ref> menuGroupOrder;
  Ref menuGroupNamed(std::string_view name) const;
  bool menuKeyTaken(std::string_view key) const;
  // The group an item opens, or null when the item is a plain item.
  Ref subMenuOf(Ref item) const;
  // A group hanging from an item of "Tool Palettes", as a companion plug-in of the same
  // maker makes it; false when the name is taken.
  bool addCompanionMenuGroup(const std::string& name);

  // Tools in order of registration, the host's own first; the index is the tool number.
  SlotTable<Tool> tools;
  std::vector<Ref> toolOrder;
  Ref selectedTool;
  Ref toolNamed(std::string_view name) const;
  int16_t toolNumber(Ref tool) const;  // -1 when unknown
  // Places a tool in the toolbox beside the tools numbered sameGroupAs and sameToolsetAs
  // (kNoTool: a group or toolset of its own) and adds it; kBadParameterErr for a number
  // that names no tool or a toolset outside the group.
  AIErr addTool(Tool tool, int16_t sameGroupAs, int16_t sameToolsetAs, Ref* added);
  // A tool registered by a companion plug-in before ours start: a group of its own.
  Ref addCompanionTool(const std::string& name);
  // Makes a tool the selected one; the change waits in toolChanges until the host tells
  // the tools. Selecting the selected tool changes nothing.
  void selectTool(Ref tool);
  std::vector<ToolChange> takeToolChanges();

  SlotTable<Annotator> annotators;
  AnnotationFrame annotations;
  // Where the mouse was last seen over the document, in artwork points.
  AIRealPoint cursorPosition{0, 0};

  SlotTable<FlyoutMenu> flyoutMenus;
  SlotTable<Panel> panels;
  bool isPanelWindow(const kit::Window* window) const;

  bool darkTheme = false;

  // Removes the menu items, groups, tools, annotators and panels of a plug-in.
  void forgetPlugin(Ref plugin);

 private:
  Ref addOwnTool(std::string name, ToolOwner owner);

  std::vector<ToolChange> toolChanges_;
  int32_t groupsMade_ = 0;
  int32_t toolsetsMade_ = 0;
};

}  // namespace host

#endif
