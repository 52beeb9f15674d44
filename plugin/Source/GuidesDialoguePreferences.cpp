// The check boxes and buttons of the Preferences dialog, and the About dialog's button.
// Not written yet: the actions exist so that the layout loads.
#include "GuidesDialogue.h"

void GuidesDialogue::PREsonCBP(kit::Control*) {}
void GuidesDialogue::PREtousLesPlansCBP(kit::Control*) {}
void GuidesDialogue::PREverrouilleCBP(kit::Control*) {}
void GuidesDialogue::PREoutilGroupeCBP(kit::Control*) {}
void GuidesDialogue::PREdefaut(kit::Control*) {}
void GuidesDialogue::PREannuler(kit::Control*) {}
void GuidesDialogue::PREok(kit::Control*) {}
void GuidesDialogue::ABOok(kit::Control*) {}
