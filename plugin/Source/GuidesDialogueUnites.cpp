// The margin lock and the set's unit popup.
#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "ReexpressionUnites.h"
#include "SimuleAppuiTouche.h"
#include "ZonesLongueur.h"
#include "kit/Kit.h"

// Locked, the four margins are one: only the top margin takes input, the three others
// follow it.
void GuidesDialogue::PANcadenasCBP(kit::Control*) {
  CadenasMarges = !CadenasMarges;
  const int etat = CadenasMarges ? kit::ControlStateOff : kit::ControlStateOn;
  PANcadenas->setState(etat);
  PANcadenasSombre->setState(etat);
  kit::Control* const suiveurs[] = {PANzoneMargeBas,         PANzoneMargeGauche,     PANzoneMargeDroite,
                                    PANstepPlusMargeBas,     PANstepMoinsMargeBas,   PANstepPlusMargeGauche,
                                    PANstepMoinsMargeGauche, PANstepPlusMargeDroite, PANstepMoinsMargeDroite};
  for (kit::Control* suiveur : suiveurs) suiveur->setEnabled(!CadenasMarges);
  if (CadenasMarges) {
    MargesSuiventLaMargeHaut();
    PANzoneMargeHaut->selectText();
  }
  PANmargeBasNSView->display();
  PANmargeGaucheNSView->display();
  PANmargeDroiteNSView->display();
  SimuleAppuiToucheFn();
}

// Items in the order of the unit codes: the item's index plus one is the code.
void GuidesDialogue::PANpopupUniteDuSetCBP(kit::Control*) {
  const int index = PANpopupUniteDuSet->indexOfSelectedItem();
  if (index >= 0 && index < kUniteMillimetres) UniteDuSet = static_cast<CodeUnite>(index + 1);
  PANadapteUniteZonesPanneau();
}

void GuidesDialogue::PANadapteUniteZonesPanneau() { ReexprimeLongueurs(UniteDuSet); }
