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
  AIErr (*Create)(SPPluginRef plugin, AIUnicodeStringRef id, AIUnicodeStringRef title, int32_t stateCount,
                  const AISize* minimumSize, AIBoolean resizable, AIPanelFlyoutMenuRef menu, void* userData,
                  AIPanelRef* panel);
  AIErr (*Destroy)(AIPanelRef panel);
  AIErr (*Show)(AIPanelRef panel, AIBoolean show);
  AIErr (*IsShown)(AIPanelRef panel, AIBoolean* shown);
  AIErr (*GetUserData)(AIPanelRef panel, void** userData);
  /* The toolkit view (a kit::View*) the plug-in fills. */
  AIErr (*GetPlatformWindow)(AIPanelRef panel, void** view);
  AIErr (*GetSize)(AIPanelRef panel, AISize* size);
  AIErr (*SetSize)(AIPanelRef panel, const AISize* size);
  /* A pair of integers the host keeps with the panel (its preferred constraint). */
  AIErr (*SetPreferredSizes)(AIPanelRef panel, AIPoint pair);
  AIErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
  AIErr (*GetFlyoutMenu)(AIPanelRef panel, AIPanelFlyoutMenuRef* menu);
  /* PNG bytes of the collapsed panel's icon, light theme then dark theme (either may be null). */
  AIErr (*SetIcon)(AIPanelRef panel, const uint8_t* lightIcon, size_t lightSize, const uint8_t* darkIcon, size_t darkSize);
} AIPanelSuite;

typedef struct AIPanelFlyoutMenuSuite {
  AIErr (*Create)(AIPanelFlyoutMenuRef* menu);
  AIErr (*Destroy)(AIPanelFlyoutMenuRef menu);
  AIErr (*AppendItem)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text);
  AIErr (*AppendSeparator)(AIPanelFlyoutMenuRef menu, int32_t itemId);
  AIErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean enabled);
  AIErr (*GetItemEnabled)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIBoolean* enabled);
  AIErr (*SetItemMark)(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t mark);
  AIErr (*GetItemMark)(AIPanelFlyoutMenuRef menu, int32_t itemId, int32_t* mark);
  AIErr (*SetItemText)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef text);
  /* *text receives a new string owned by the caller; a string already there is disposed. */
  AIErr (*GetItemText)(AIPanelFlyoutMenuRef menu, int32_t itemId, AIUnicodeStringRef* text);
  AIErr (*GetItemCount)(AIPanelFlyoutMenuRef menu, int32_t* count);
  AIErr (*GetItemId)(AIPanelFlyoutMenuRef menu, int32_t index, int32_t* itemId);
} AIPanelFlyoutMenuSuite;

AI_END_C

#endif
