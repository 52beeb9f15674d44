// The panel's controls follow the tool: enabled while it is selected. Every control is
// reached through its global copy, which is null until the panel is loaded: a control not
// there yet is skipped.
#include <initializer_list>

#include "GuideSet.h"
#include "GuidesOutil.h"
#include "PanneauGlobals.h"
#include "Theme.h"
#include "kit/Button.h"
#include "kit/ComboBox.h"
#include "kit/PopUpButton.h"
#include "kit/TextField.h"

namespace {

void Active(std::initializer_list<kit::Control*> controles, bool actif) {
  for (kit::Control* controle : controles)
    if (controle != nullptr) controle->setEnabled(actif);
}

void Montre(kit::View* vue, bool visible) {
  if (vue != nullptr) vue->setHidden(!visible);
}

// The buttons and popups, then each value's plus stepper, minus stepper and field, the
// margin lock coming between the row gutter and the top margin.
void ActiveControlesPrincipaux(bool actif) {
  Active({GraltoBT, GurlBT, GpopupSets, GpanPopupPlansDeTravail,
          GstepPlusNbrColonnes, GstepMoinsNbrColonnes, GzoneNbrColonnes,
          GstepPlusNbrLignes, GstepMoinsNbrLignes, GzoneNbrLignes,
          GstepPlusLargeurColonne, GstepMoinsLargeurColonne, GzoneLargeurColonne,
          GstepPlusHauteurLigne, GstepMoinsHauteurLigne, GzoneHauteurLigne,
          GstepPlusGouttiereColonne, GstepMoinsGouttiereColonne, GzoneGouttiereColonne,
          GstepPlusGouttiereLigne, GstepMoinsGouttiereLigne, GzoneGouttiereLigne,
          Gcadenas,
          GstepPlusMargeHaut, GstepMoinsMargeHaut, GzoneMargeHaut},
         actif);
}

// The lock and erase buttons of the current theme show, the others hide.
void MontreBoutonsDuTheme() {
  Montre(Gcadenas, !InterfaceSombre);
  Montre(GeffacerBT, !InterfaceSombre);
  Montre(GcadenasSombre, InterfaceSombre);
  Montre(GeffacerBTSombre, InterfaceSombre);
}

// Locked margins all follow the top one: the other three take no input then.
void ActiveMargesLiees(bool actif) {
  Active({GstepPlusMargeBas, GstepMoinsMargeBas, GzoneMargeBas,
          GstepPlusMargeGauche, GstepMoinsMargeGauche, GzoneMargeGauche,
          GstepPlusMargeDroite, GstepMoinsMargeDroite, GzoneMargeDroite},
         actif && !CadenasMarges);
}

// The set popup shows, not the naming of a new set.
void MontrePopupDesSets() {
  Montre(GnomSet, false);
  Montre(GpopupUniteDuSet, false);
  Montre(GpopupSets, true);
}

void RedessineIcones() {
  for (kit::View* icone : {GmargeHautNSView, GmargeBasNSView, GmargeGaucheNSView, GmargeDroiteNSView,
                           GnombreLignesNSView, GnombreColonnesNSView, GlargeurColonnesNSView,
                           GhauteurLignesNSView, GgouttiereLignesNSView, GgouttiereColonnesNSView})
    if (icone != nullptr) icone->display();
}

}  // namespace

AIErr ActiverZones(unsigned char on) {
  const bool actif = on != 0;
  ActiveControlesPrincipaux(actif);
  MontreBoutonsDuTheme();
  ActiveMargesLiees(actif);
  MontrePopupDesSets();
  RedessineIcones();
  return kNoErr;
}
