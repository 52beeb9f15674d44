#include "Panneau.h"

AIPanelRef PanneauRef = nullptr;
AIPanelFlyoutMenuRef MenuLocal = nullptr;
bool PreferencesAffichees = false;
