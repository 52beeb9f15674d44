#include "PanneauGlobals.h"

#define PANNEAU_COPIE(Type, Membre, Copie) Type* Copie = nullptr;
#include "ControlesPanneau.h"

kit::Window* GdialoguePAN = nullptr;

void OublierGlobalesPanneau() {
#define PANNEAU_COPIE(Type, Membre, Copie) Copie = nullptr;
#include "ControlesPanneau.h"
}
