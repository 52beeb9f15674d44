// Menus: the host's groups ("About", "Tool Palettes") and the items and sub-menu groups
// plug-ins add to them. Item keys and group names are unique.
#include "model/Shell.h"
#include "suites/SuiteSupport.h"
#include "suites/SuiteTables.h"

namespace host {

namespace {

UserInterface& ui() { return shell().ui; }

MenuItem* itemOf(AIMenuItemHandle item) { return ui().menuItems.find(fromHandle(item)); }

AIErr AddMenuItem(SPPluginRef plugin, const char* key, const char* groupName, AIUnicodeStringRef text,
                  int32_t options, AIMenuItemHandle* item) {
  const std::string* label = receivedString(text);
  if (!groupName || !item || !label || !shell().plugins.find(fromHandle(plugin)))
    return kBadParameterErr;
  const std::string itemKey = key ? key : *label;
  if (!isValidUtf8(itemKey) || ui().menuKeyTaken(itemKey)) return kBadParameterErr;
  if (ui().menuGroupNamed(groupName).isNull()) return kNotFoundErr;
  const Ref made =
      ui().menuItems.insert(MenuItem{fromHandle(plugin), itemKey, groupName, *label, options});
  if (made.isNull()) return kTooManyErr;
  *item = toHandle<AIMenuItemHandle>(made);
  return kNoErr;
}

AIErr AddMenuGroupAsSubMenu(const char* groupName, int32_t options, AIMenuItemHandle item,
                            AIMenuGroup* group) {
  if (!groupName || !group || !itemOf(item) || !isValidUtf8(groupName)) return kBadParameterErr;
  if (!ui().menuGroupNamed(groupName).isNull()) return kBadParameterErr;
  for (Ref existing : ui().menuGroupOrder)
    if (ui().menuGroups.find(existing)->parentItem == fromHandle(item)) return kBadParameterErr;
  ui().menuGroupOrder.reserve(ui().menuGroupOrder.size() + 1);  // a group is never stored out of order
  const Ref made = ui().menuGroups.insert(MenuGroup{groupName, fromHandle(item), options});
  if (made.isNull()) return kTooManyErr;
  ui().menuGroupOrder.push_back(made);
  *group = toHandle<AIMenuGroup>(made);
  return kNoErr;
}

AIErr CountMenuGroups(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = static_cast<int32_t>(ui().menuGroupOrder.size());
  return kNoErr;
}

AIErr GetNthMenuGroup(int32_t n, AIMenuGroup* group) {
  if (!group || n < 0 || n >= static_cast<int32_t>(ui().menuGroupOrder.size()))
    return kBadParameterErr;
  *group = toHandle<AIMenuGroup>(ui().menuGroupOrder[static_cast<size_t>(n)]);
  return kNoErr;
}

AIErr GetMenuGroupName(AIMenuGroup group, const char** name) {
  const MenuGroup* record = ui().menuGroups.find(fromHandle(group));
  if (!record || !name) return kBadParameterErr;
  *name = record->name.c_str();
  return kNoErr;
}

AIErr SetItemText(AIMenuItemHandle item, AIUnicodeStringRef text) {
  MenuItem* record = itemOf(item);
  const std::string* label = receivedString(text);
  if (!record || !label) return kBadParameterErr;
  record->text = *label;
  return kNoErr;
}

AIErr GetItemText(AIMenuItemHandle item, AIUnicodeStringRef* text) {
  const MenuItem* record = itemOf(item);
  if (!record) return kBadParameterErr;
  return returnString(record->text, text);
}

AIErr setEnabled(AIMenuItemHandle item, bool enabled) {
  MenuItem* record = itemOf(item);
  if (!record) return kBadParameterErr;
  record->enabled = enabled;
  return kNoErr;
}

AIErr EnableItem(AIMenuItemHandle item) { return setEnabled(item, true); }
AIErr DisableItem(AIMenuItemHandle item) { return setEnabled(item, false); }

AIErr CheckItem(AIMenuItemHandle item, AIBoolean checked) {
  MenuItem* record = itemOf(item);
  if (!record) return kBadParameterErr;
  record->checked = checked != 0;
  return kNoErr;
}

}  // namespace

extern const AIMenuSuite menuSuite = {
    AddMenuItem, AddMenuGroupAsSubMenu, CountMenuGroups, GetNthMenuGroup, GetMenuGroupName,
    SetItemText, GetItemText,           EnableItem,      DisableItem,     CheckItem,
};

}  // namespace host
