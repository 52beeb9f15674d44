// The host panel that holds the plug-in's user interface, and its flyout menu.
#ifndef GUIDES_PANNEAU_H
#define GUIDES_PANNEAU_H

#include "AIPanel.h"

extern AIPanelRef PanneauRef;           // null until the application has started
extern AIPanelFlyoutMenuRef MenuLocal;  // the panel's flyout menu
extern bool PreferencesAffichees;       // the preferences dialog is showing

// Flyout menu item ids.
enum : int32_t {
  kMenuReperesVerrouilles = 1,
  kMenuSeparateur1 = 2,
  kMenuPreferences = 3,
  kMenuSeparateur2 = 4,
  kMenuAide = 5
};

#endif
