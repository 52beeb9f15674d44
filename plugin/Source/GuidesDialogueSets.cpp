// The popup of sets, the naming of a new set and the delete-sets dialog's buttons.
// Not written yet: the actions exist so that the layout loads.
#include "GuidesDialogue.h"

void GuidesDialogue::PANpopupSetsCBP(kit::Control*) {}
void GuidesDialogue::PANokSetCBP(kit::Control*) {}
void GuidesDialogue::PANannulerSetCBP(kit::Control*) {}
void GuidesDialogue::SUPok(kit::Control*) {}
void GuidesDialogue::SUPannuler(kit::Control*) {}
void GuidesDialogue::SUPsupprimerSetsCBP(kit::Control*) {}
void GuidesDialogue::SupprimerSet(int) {}
