// Process-wide copies of the panel's outlets, so that the tool, the notifications and the
// icon views reach the controls without the panel's controller. Each is named like its
// outlet with "G" in place of "PAN" (GzoneMargeHaut, GstepPlusMargeHaut, GmargeHautNSView,
// GdialoguePRE...); the table of the panel's controls (ControlesPanneau.h) lists them. All
// are null until the panel is loaded; none owns its control (the panel's layout does).
#ifndef GUIDES_PANNEAUGLOBALS_H
#define GUIDES_PANNEAUGLOBALS_H

namespace kit {
class Button;
class ComboBox;
class PopUpButton;
class TextField;
class View;
class Window;
}  // namespace kit

#define PANNEAU_COPIE(Type, Membre, Copie) extern Type* Copie;
#include "ControlesPanneau.h"

// The panel is the host's own window, not one of the layout: it has no outlet, and its
// copy stays null.
extern kit::Window* GdialoguePAN;

// Sets every copy back to null, for when the panel's controls go away.
void OublierGlobalesPanneau();

#endif
