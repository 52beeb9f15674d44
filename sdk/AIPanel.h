/* Floating panels hosting a toolkit view, and their flyout menus. */
#ifndef GUIDES_SDK_AIPANEL_H
#define GUIDES_SDK_AIPANEL_H

#include "SPBasic.h"

AI_BEGIN_C

#define kAIPanelSuite "AI Panel Suite"
#define kAIPanelSuiteVersion 1001
#define kAIPanelFlyoutMenuSuite "AI Panel Flyout Menu Suite"
#define kAIPanelFlyoutMenuSuiteVersion 1001

/* Called with the id of the chosen flyout item. */
typedef void (*AIPanelFlyoutMenuProc)(AIPanelRef panel, int32_t itemId);

/* Check marks of flyout items. */
enum { kAIPanelFlyoutMenuItemMark_NONE = 0, kAIPanelFlyoutMenuItemMark_CHECK = 1 };

typedef struct AIPanelSuite {
  /* Usually once the application has started; id and title are copied, menu and userData kept as
     given (not owned); *panel is the caller's until Destroy, or until the plug-in is unloaded. */
  AIErr (*Create)(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title, int32_t stateCount,
                  const AISize* minimumSize, AIBoolean resizable, AIPanelFlyoutMenuRef menu, void* userData,
                  AIPanelRef* panel);
  /* Any time, once per panel; its window and the views in it go with it. */
  AIErr (*Destroy)(AIPanelRef panel);
  /* Any time. */
  AIErr (*Show)(AIPanelRef panel, AIBoolean show);
  /* Any time. */
  AIErr (*IsShown)(AIPanelRef panel, AIBoolean* shown);
  /* Any time; the pointer given to Create, still the plug-in's. */
  AIErr (*GetUserData)(AIPanelRef panel, void** userData);
  /* Any time; the toolkit view (a kit::View*) the plug-in fills, the host's until Destroy. */
  AIErr (*GetPlatformWindow)(AIPanelRef panel, void** view);
  /* Any time. */
  AIErr (*GetSize)(AIPanelRef panel, AISize* size);
  /* Any time; the plug-in's views are fitted to the new size. */
  AIErr (*SetSize)(AIPanelRef panel, const AISize* size);
  /* Any time; a pair of integers the host keeps with the panel (its preferred constraint). */
  AIErr (*SetPreferredSizes)(AIPanelRef panel, AIPoint pair);
  /* Any time; the host calls proc when a flyout item is chosen, outside any message. */
  AIErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
  /* Any time; the menu given to Create, still the caller's. */
  AIErr (*GetFlyoutMenu)(AIPanelRef panel, AIPanelFlyoutMenuRef* menu);
  /* Any time; PNG bytes of the collapsed panel's icon, light then dark (either may be null), copied. */
  AIErr (*SetIcon)(AIPanelRef panel, const uint8_t* lightIcon, size_t lightSize, const uint8_t* darkIcon, size_t darkSize);
} AIPanelSuite;

typedef struct AIPanelFlyoutMenuSuite {
  /* Any time; *menu is the caller's until Destroy (a panel made with it only refers to it). */
  AIErr (*Create)(AIPanelFlyoutMenuRef* menu);
  /* Any time, once per menu, not while a panel still refers to it. */
  AIErr (*Destroy)(AIPanelFlyoutMenuRef menu);
  /* Any time; the text is copied; an id already in the menu is refused. */
  AIErr (*AppendItem)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text);
  /* Any time; a separator takes an id as an item does. */
  AIErr (*AppendSeparator)(AIPanelFlyoutMenuRef menu, int32_t itemId);
  /* Any time. */
  AIErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean enabled);
  /* Any time. */
  AIErr (*GetItemEnabled)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean* enabled);
  /* Any time; kAIPanelFlyoutMenuItemMark_NONE or _CHECK. */
  AIErr (*SetItemMark)(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t mark);
  /* Any time. */
  AIErr (*GetItemMark)(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t* mark);
  /* Any time; the text is copied, the caller keeps its string. */
  AIErr (*SetItemText)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text);
  /* Any time; *text receives a new string, the caller's until Dispose; a string already there is
     disposed. */
  AIErr (*GetItemText)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef* text);
  /* Any time. */
  AIErr (*GetItemCount)(AIPanelFlyoutMenuRef menu, int32_t* count);
  /* Any time; the id of the item at index, from 0. */
  AIErr (*GetItemId)(AIPanelFlyoutMenuRef menu, int32_t index, int32_t* itemId);
} AIPanelFlyoutMenuSuite;

AI_END_C

#endif
