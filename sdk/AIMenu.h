/* Menus: groups of items; plug-in items get "AI Go" and, on request, "AI Update". */
#ifndef GUIDES_SDK_AIMENU_H
#define GUIDES_SDK_AIMENU_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 1010

#define kAIMenuCaller "AI Menu"
#define kAIMenuGoSelector "AI Go"
#define kAIMenuUpdateSelector "AI Update"

#define kAboutMenuGroup "About"
#define kToolPalettesMenuGroup "Tool Palettes"

/* Item options. */
enum { kMenuItemNoOptions = 0, kMenuItemWantsUpdateOption = 1 };
/* Group options. */
enum { kMenuGroupNoOptions = 0, kMenuGroupSortedAlphabeticallyOption = 1 };

typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

typedef struct AIMenuSuite {
  /* Adds an item at the end of the named group. key is the item's unique name (may be null:
     the text is then the key). */
  AIErr (*AddMenuItem)(SPPluginRef plugin, const char* key, const char* groupName, AIUnicodeStringRef text,
                       int32_t options, AIMenuItemHandle* item);
  /* Turns an item into a sub-menu holding a new group of that name. */
  AIErr (*AddMenuGroupAsSubMenu)(const char* groupName, int32_t options, AIMenuItemHandle item, AIMenuGroup* group);
  AIErr (*CountMenuGroups)(int32_t* count);
  AIErr (*GetNthMenuGroup)(int32_t n, AIMenuGroup* group);
  /* *name points to the host's copy, valid until the group is removed. */
  AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
  AIErr (*SetItemText)(AIMenuItemHandle item, AIUnicodeStringRef text);
  /* *text receives a new string owned by the caller; a string already there is disposed. */
  AIErr (*GetItemText)(AIMenuItemHandle item, AIUnicodeStringRef* text);
  AIErr (*EnableItem)(AIMenuItemHandle item);
  AIErr (*DisableItem)(AIMenuItemHandle item);
  AIErr (*CheckItem)(AIMenuItemHandle item, AIBoolean checked);
} AIMenuSuite;

AI_END_C

#endif
