// The fixed texts and the initial state of the About, Preferences and delete-sets dialogs.
#include "GuidesDialogue.h"
#include "GuidesDialogueSets.h"
#include "GuidesOutil.h"
#include "kit/Kit.h"

bool SonProv = false;
bool TousLesPlansProv = false;
bool ReperesVerrouillesProv = false;
bool OutilsGroupeProv = false;

namespace {

int Etat(bool coche) { return coche ? kit::ControlStateOn : kit::ControlStateOff; }

void MontreBouton(kit::Button* bouton, const char* titre, const char* bulle) {
  bouton->setTitle(titre);
  bouton->setToolTip(bulle);
}

}  // namespace

void CacheDialogue(kit::Window* dialogue) {
  if (dialogue) dialogue->orderOut();
  kit::Application::shared().activateIgnoringOtherApps(true);
}

void FinDuRunModal(kit::Window* dialogue) {
  kit::Application& application = kit::Application::shared();
  if (dialogue && application.modalWindow() == dialogue) application.stopModal();
}

void TermineDialogue(kit::Window* dialogue) {
  CacheDialogue(dialogue);
  FinDuRunModal(dialogue);
}

// The tooltips of two check boxes say what their current state will do.
const char* BulleTousLesPlans(bool coche) {
  return coche ? "Les mêmes repères seront créés sur tous les plans de travail."
               : "Les repères seront créés sur le plan de travail sélectionné.";
}

const char* BulleVerrouille(bool coche) {
  return coche ? "Les repères qui seront créés par Ralto-Guides seront verrouillés par défaut."
               : "Les repères qui seront créés par Ralto-Guides ne seront pas verrouillés par défaut.";
}

void GuidesDialogue::ABOinitDialogue() {
  ABOdialogue->center();
  ABOdialogue->setTitle("À propos de Ralto-Guides");
  ABOversion->setStringValue("Ralto-Guides (CS6) 1.4 (septembre 2013)");
  ABOadresse->setTitle(kAdressePageWeb);
  ABOokBT->setTitle(kLigneContact);
}

// The provisional options start from the options in force; nothing is kept of an earlier
// opening of the dialog.
void GuidesDialogue::PREinitDialogue() {
  PREdialogue->setTitle("Préférences (Ralto-Guides).");
  PREdialogue->center();

  TousLesPlansProv = TousLesPlans;
  MontreBouton(PREtousLesPlans, "Mêmes repères sur tous les plans.", BulleTousLesPlans(TousLesPlansProv));
  PREtousLesPlans->setState(Etat(TousLesPlansProv));

  ReperesVerrouillesProv = ReperesVerrouilles;
  MontreBouton(PREverrouille, "Créer des repères verrouillés.", BulleVerrouille(ReperesVerrouillesProv));
  PREverrouille->setState(Etat(ReperesVerrouillesProv));

  SonProv = SonDefaut;
  PREson->setToolTip("Active ou supprime le son de Ralto-Guides.");
  PREson->setState(Etat(SonProv));

  OutilsGroupeProv = OutilsGroupe;
  MontreBouton(PREoutilGroupe, "Associer les outils à l'outil Pipette.",
               "Outil indépendant ou associé à l'outil Pipette.");
  PREoutilGroupe->setState(Etat(OutilsGroupeProv));

  PREprochainLancement->setHidden(true);
  PREprochainLancement->setStringValue("Au prochain lancement d'Illustrator.");

  MontreBouton(PREannulerBT, "Annuler", "Aucune modification (Esc).");
  MontreBouton(PREdefautBT, "Par défaut", "Retour aux valeurs par défaut (cmd D).");
  PREokBT->setToolTip("Validation des nouveaux réglages par défaut (Retour).");
  PREokBT->setEnabled(true);
}

void GuidesDialogue::SUPinitDialogue() {
  SUPdialogue->setTitle("Supprimer des sets (Ralto-Guides).");
  SUPdialogue->center();
  MontreBouton(SUPannulerBT, "Annuler", "Aucune modification (Esc).");
  SUPokBT->setEnabled(true);
  SUPokBT->setToolTip("Validation des suppressions (Retour).");
}
