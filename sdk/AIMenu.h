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

/* The record is valid during the message only. */
typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

typedef struct AIMenuSuite {
  /* Usually at Startup; adds an item at the end of the named group. key is the item's unique
     name (null: the text is the key); texts are copied; *item is a host handle until unloading. */
  AIErr (*AddMenuItem)(SPPluginRef plugin, const char* key, const char* groupName, AIUnicodeStringRef text,
                       int32_t options, AIMenuItemHandle* item);
  /* Usually at Startup; turns an item into a sub-menu holding a new group of that name; a host handle. */
  AIErr (*AddMenuGroupAsSubMenu)(const char* groupName, int32_t options, AIMenuItemHandle item, AIMenuGroup* group);
  /* Any time. */
  AIErr (*CountMenuGroups)(int32_t* count);
  /* Any time; a host handle. */
  AIErr (*GetNthMenuGroup)(int32_t n, AIMenuGroup* group);
  /* Any time; *name is the host's text, valid while the group lives. */
  AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
  /* Any time; the text is copied, the caller keeps its string. */
  AIErr (*SetItemText)(AIMenuItemHandle item, AIUnicodeStringRef text);
  /* Any time; *text receives a new string, the caller's until Dispose; a string already there is disposed. */
  AIErr (*GetItemText)(AIMenuItemHandle item, AIUnicodeStringRef* text);
  /* Any time, usually inside AI Update. */
  AIErr (*EnableItem)(AIMenuItemHandle item);
  /* Any time, usually inside AI Update. */
  AIErr (*DisableItem)(AIMenuItemHandle item);
  /* Any time, usually inside AI Update. */
  AIErr (*CheckItem)(AIMenuItemHandle item, AIBoolean checked);
} AIMenuSuite;

AI_END_C

#endif
