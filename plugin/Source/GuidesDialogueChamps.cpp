// The value fields, their plus and minus buttons, the margin lock and the set's unit.
// Not written yet: the actions exist so that the layout loads.
#include "GuidesDialogue.h"

void GuidesDialogue::PANzoneMargeHautCBP(kit::Control*) {}
void GuidesDialogue::PANzoneMargeBasCBP(kit::Control*) {}
void GuidesDialogue::PANzoneMargeGaucheCBP(kit::Control*) {}
void GuidesDialogue::PANzoneMargeDroiteCBP(kit::Control*) {}
void GuidesDialogue::PANzoneNbrColonnesCBP(kit::Control*) {}
void GuidesDialogue::PANzoneNbrLignesCBP(kit::Control*) {}
void GuidesDialogue::PANzoneLargeurColonneCBP(kit::Control*) {}
void GuidesDialogue::PANzoneHauteurLigneCBP(kit::Control*) {}
void GuidesDialogue::PANzoneGouttiereColonneCBP(kit::Control*) {}
void GuidesDialogue::PANzoneGouttiereLigneCBP(kit::Control*) {}

void GuidesDialogue::PANstepPlusMargeHautCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsMargeHautCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusMargeBasCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsMargeBasCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusMargeGaucheCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsMargeGaucheCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusMargeDroiteCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsMargeDroiteCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusNbrColonnesCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsNbrColonnesCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusNbrLignesCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsNbrLignesCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusLargeurColonneCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsLargeurColonneCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusHauteurLigneCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsHauteurLigneCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusGouttiereColonneCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsGouttiereColonneCBP(kit::Control*) {}
void GuidesDialogue::PANstepPlusGouttiereLigneCBP(kit::Control*) {}
void GuidesDialogue::PANstepMoinsGouttiereLigneCBP(kit::Control*) {}

void GuidesDialogue::PANcadenasCBP(kit::Control*) {}
void GuidesDialogue::PANpopupUniteDuSetCBP(kit::Control*) {}
void GuidesDialogue::PANadapteUniteZonesPanneau() {}
