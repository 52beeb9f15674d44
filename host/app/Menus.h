// The host's menus as people see them: the host's groups, their items in the order they
// were added, sub-menus opening under the items that hold them. Before a menu is shown
// the items that asked for it are updated by their plug-ins.
#ifndef GUIDES_HOST_APP_MENUS_H
#define GUIDES_HOST_APP_MENUS_H

#include <string>
#include <string_view>
#include <vector>

#include "model/Ref.h"

namespace host {

class EventLoop;
struct MenuGroup;

// The title a group shows in the menu bar and in paths: the host's own groups in the host's
// language (French); other groups by their names. Plug-ins name groups by their identifiers.
std::string menuTitle(const MenuGroup& group);

// Sends "AI Update" to every item of a running plug-in that asked for updates.
void updateMenus(EventLoop& events);

// The items of a group, in the order they were added.
std::vector<Ref> menuItemsOf(std::string_view group);

// The item a path of texts names: a host group, then the texts of the items leading to it
// ("Palettes d'outils/My Tools/Hide My Panel"). Null with the reason when none does.
Ref menuItemAt(std::string_view path, std::string* problem);

// The path of texts of every item that opens no sub-menu, in menu order, as menuItemAt
// reads them; items whose text holds '/' cannot be named so and are left out.
std::vector<std::string> menuItemPaths();

// "AI Go" to the item's plug-in; nothing for items the host or a companion made.
void chooseMenuItem(EventLoop& events, Ref item);

// The menus, one line per group and item, indented by depth:
//   À propos
//     About My Tools… >
//       My Panel…
// " >" marks an item that opens a sub-menu (" > NAME" when the group is named otherwise),
// " (disabled)" and " (checked)" follow.
std::vector<std::string> menuLines();

}  // namespace host

#endif
