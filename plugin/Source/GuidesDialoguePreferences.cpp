// The check boxes and buttons of the Preferences dialog, and the About dialog's button.
// The boxes change provisional copies of the options; only OK makes them the options and
// stores them.
#include "EcritLitPrefs.h"
#include "GuidesDialogue.h"
#include "GuidesDialogueSets.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "Panneau.h"
#include "kit/Kit.h"

namespace {

// The sample played when the sound is ticked on.
constexpr int16_t kSonEchantillon = 9000;

int Etat(bool coche) { return coche ? kit::ControlStateOn : kit::ControlStateOff; }

void EcritOption(const char* cle, bool valeur) {
  if (sAIPreference) sAIPreference->PutBooleanPreference(kSectionPrefs, cle, valeur);
}

void MontreTousLesPlans(kit::Button* caseACocher) {
  caseACocher->setState(Etat(TousLesPlansProv));
  caseACocher->setToolTip(BulleTousLesPlans(TousLesPlansProv));
}

void MontreVerrouille(kit::Button* caseACocher) {
  caseACocher->setState(Etat(ReperesVerrouillesProv));
  caseACocher->setToolTip(BulleVerrouille(ReperesVerrouillesProv));
}

void MarqueReperesVerrouilles() {
  if (MenuLocal && sAIPanelFlyoutMenu)
    sAIPanelFlyoutMenu->SetItemMark(
        MenuLocal, kMenuReperesVerrouilles,
        ReperesVerrouilles ? kAIPanelFlyoutMenuItemMark_CHECK : kAIPanelFlyoutMenuItemMark_NONE);
}

}  // namespace

void GuidesDialogue::PREsonCBP(kit::Control*) {
  SonProv = !SonProv;
  if (SonProv) Sonorise(kSonEchantillon);
}

void GuidesDialogue::PREtousLesPlansCBP(kit::Control*) {
  TousLesPlansProv = !TousLesPlansProv;
  PREtousLesPlans->setToolTip(BulleTousLesPlans(TousLesPlansProv));
}

void GuidesDialogue::PREverrouilleCBP(kit::Control*) {
  ReperesVerrouillesProv = !ReperesVerrouillesProv;
  PREverrouille->setToolTip(BulleVerrouille(ReperesVerrouillesProv));
}

// The tool changes its place among the host's tools only at the next start-up: the note
// says so while the box differs from the option in force.
void GuidesDialogue::PREoutilGroupeCBP(kit::Control*) {
  OutilsGroupeProv = !OutilsGroupeProv;
  PREprochainLancement->setHidden(OutilsGroupeProv == OutilsGroupe);
}

void GuidesDialogue::PREdefaut(kit::Control*) {
  TousLesPlansProv = false;
  ReperesVerrouillesProv = true;
  SonProv = true;
  OutilsGroupeProv = false;
  PREson->setState(Etat(SonProv));
  PREoutilGroupe->setState(Etat(OutilsGroupeProv));
  MontreTousLesPlans(PREtousLesPlans);
  MontreVerrouille(PREverrouille);
}

void GuidesDialogue::PREannuler(kit::Control*) {
  CacheDialogue(PREdialogue);
  PREinitDialogue();
  FinDuRunModal(PREdialogue);
}

void GuidesDialogue::PREok(kit::Control*) {
  SonDefaut = SonProv;
  EcritOption("Son", SonDefaut);

  TousLesPlans = TousLesPlansProv;
  EcritOption("TousPlans", TousLesPlans);
  PANeffacerBT->setToolTip(BulleEffacer());
  PANeffacerSombreBT->setToolTip(BulleEffacer());

  ReperesVerrouilles = ReperesVerrouillesProv;
  EcritOption("Verrouille", ReperesVerrouilles);
  MarqueReperesVerrouilles();

  OutilsGroupe = OutilsGroupeProv;
  PREprochainLancement->setHidden(true);
  EcritOption("OutilsGroupe", OutilsGroupe);

  TermineDialogue(PREdialogue);
}

void GuidesDialogue::ABOok(kit::Control*) { TermineDialogue(ABOdialogue); }
