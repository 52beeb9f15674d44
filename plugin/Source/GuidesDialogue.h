// The panel's controller: it loads the layout "GuidesDialogue" (the panel's controls and
// the Preferences, delete-sets and About dialogs), makes the controls reachable through
// the global copies of its outlets, and answers their actions.
#ifndef GUIDES_GUIDESDIALOGUE_H
#define GUIDES_GUIDESDIALOGUE_H

#include <cstdint>
#include <optional>

#include "AIPanel.h"
#include "kit/ViewController.h"

namespace kit {
class Button;
class ComboBox;
class Control;
class PopUpButton;
class ScrollView;
class TextField;
class TextView;
class View;
class Window;
}  // namespace kit
class DelegateZeroUnUnGuides;

// The maker's contact line and web page, shown by the logo button, the web-page button and
// the About dialog.
inline constexpr const char* kLigneContact = "Atelier Ralto · Lyon · contact@ralto-outils.example";
inline constexpr const char* kAdressePageWeb = "https://www.ralto-outils.example/guides";

// The help page shown (1 to NbrPages) and the number of pages.
extern int16_t PageAide;
extern int16_t NbrPages;

// Provisional options while the Preferences dialog is open; OK makes them the options.
extern bool SonProv;
extern bool TousLesPlansProv;
extern bool ReperesVerrouillesProv;
extern bool OutilsGroupeProv;

// The tooltips that follow a state: the erase buttons by TousLesPlans, and the two check
// boxes of the Preferences dialog by their own state.
const char* BulleEffacer();
const char* BulleTousLesPlans(bool coche);
const char* BulleVerrouille(bool coche);

// The flyout menu's callback, registered with the host panel: 1 locks or unlocks the
// guides, 3 opens the Preferences dialog, 5 shows or hides the help.
void MenuCBP(AIPanelRef panneau, int32_t id);

class GuidesDialogue : public kit::ViewController {
 public:
  // The layout is read from the bundle's Resources folder when the view is first asked for.
  explicit GuidesDialogue(std::optional<kit::Bundle> bundle);
  // The controls go with the layout: every global copy of an outlet is cleared.
  ~GuidesDialogue() override;

  // Once the layout is loaded: globals, cursors, decimal comma, dialogs and panel set up,
  // controls disabled until the tool is selected.
  void awakeFromNib() override;

  // ---- Loading and globals ----
  void BidonAcquisitionGuides(kit::Control* sender);
  void BidonActiveOutilGuidesCBP(kit::Control* sender);

  // ---- The panel ----
  void PANinit();
  void PANpopupPlansDeTravailCBP(kit::Control* sender);
  void PANeffacerCBP(kit::Control* sender);
  void PANraltoCBP(kit::Control* sender);
  void PANurlCBP(kit::Control* sender);

  // ---- Help pages ----
  void PANaideAvant(kit::Control* sender);
  void PANaideApres(kit::Control* sender);
  void TexteAide();

  // ---- The default set and the update of the length fields ----
  void PANafficheSetParDefaut();
  void PANMiseAjourMargeHaut();
  void PANMiseAjourMargeBas();
  void PANMiseAjourMargeGauche();
  void PANMiseAjourMargeDroite();
  void PANMiseAjourLargeurDeColonnes();
  void PANMiseAjourHauteurDeLignes();
  void PANMiseAjourGouttiereColonne();
  void PANMiseAjourGouttiereLigne();

  // ---- Value fields, steppers, margin lock, set unit ----
  void PANzoneMargeHautCBP(kit::Control* sender);
  void PANzoneMargeBasCBP(kit::Control* sender);
  void PANzoneMargeGaucheCBP(kit::Control* sender);
  void PANzoneMargeDroiteCBP(kit::Control* sender);
  void PANzoneNbrColonnesCBP(kit::Control* sender);
  void PANzoneNbrLignesCBP(kit::Control* sender);
  void PANzoneLargeurColonneCBP(kit::Control* sender);
  void PANzoneHauteurLigneCBP(kit::Control* sender);
  void PANzoneGouttiereColonneCBP(kit::Control* sender);
  void PANzoneGouttiereLigneCBP(kit::Control* sender);
  void PANstepPlusMargeHautCBP(kit::Control* sender);
  void PANstepMoinsMargeHautCBP(kit::Control* sender);
  void PANstepPlusMargeBasCBP(kit::Control* sender);
  void PANstepMoinsMargeBasCBP(kit::Control* sender);
  void PANstepPlusMargeGaucheCBP(kit::Control* sender);
  void PANstepMoinsMargeGaucheCBP(kit::Control* sender);
  void PANstepPlusMargeDroiteCBP(kit::Control* sender);
  void PANstepMoinsMargeDroiteCBP(kit::Control* sender);
  void PANstepPlusNbrColonnesCBP(kit::Control* sender);
  void PANstepMoinsNbrColonnesCBP(kit::Control* sender);
  void PANstepPlusNbrLignesCBP(kit::Control* sender);
  void PANstepMoinsNbrLignesCBP(kit::Control* sender);
  void PANstepPlusLargeurColonneCBP(kit::Control* sender);
  void PANstepMoinsLargeurColonneCBP(kit::Control* sender);
  void PANstepPlusHauteurLigneCBP(kit::Control* sender);
  void PANstepMoinsHauteurLigneCBP(kit::Control* sender);
  void PANstepPlusGouttiereColonneCBP(kit::Control* sender);
  void PANstepMoinsGouttiereColonneCBP(kit::Control* sender);
  void PANstepPlusGouttiereLigneCBP(kit::Control* sender);
  void PANstepMoinsGouttiereLigneCBP(kit::Control* sender);
  void PANcadenasCBP(kit::Control* sender);
  void PANpopupUniteDuSetCBP(kit::Control* sender);
  // Re-expresses the eight length fields in UniteDuSet.
  void PANadapteUniteZonesPanneau();

  // ---- Sets: the popup, naming a new set, the delete-sets dialog ----
  void PANpopupSetsCBP(kit::Control* sender);
  void PANokSetCBP(kit::Control* sender);
  void PANannulerSetCBP(kit::Control* sender);
  // Removes user set `numero` (its index in the popup of sets) from the popup and the
  // preferences.
  void SupprimerSet(int numero);
  void SUPinitDialogue();
  void SUPok(kit::Control* sender);
  void SUPannuler(kit::Control* sender);
  void SUPsupprimerSetsCBP(kit::Control* sender);

  // ---- The Preferences and About dialogs ----
  void PREinitDialogue();
  void PREsonCBP(kit::Control* sender);
  void PREtousLesPlansCBP(kit::Control* sender);
  void PREverrouilleCBP(kit::Control* sender);
  void PREoutilGroupeCBP(kit::Control* sender);
  void PREdefaut(kit::Control* sender);
  void PREannuler(kit::Control* sender);
  void PREok(kit::Control* sender);
  void ABOinitDialogue();
  void ABOok(kit::Control* sender);

  // ---- Outlets, filled by the layout (none owned: the layout owns its controls) ----
  kit::View* BoutonReveilGuidesNSView = nullptr;
  kit::Button* BidonAcquisitionGuidesBT = nullptr;  // outlet "BidonAcquisitionGuides"
  kit::Button* BidonActiveOutilGuides = nullptr;
  DelegateZeroUnUnGuides* PANdelegateZones = nullptr;

  kit::Button* PANraltoBT = nullptr;
  kit::Button* PANurlBT = nullptr;
  kit::PopUpButton* PANpopupPlansDeTravail = nullptr;
  kit::PopUpButton* PANpopupSets = nullptr;
  kit::PopUpButton* PANpopupUniteDuSet = nullptr;
  kit::TextField* PANnomSet = nullptr;
  kit::Button* PANokSetBT = nullptr;
  kit::Button* PANannulerSetBT = nullptr;
  kit::Button* PANeffacerBT = nullptr;
  kit::Button* PANeffacerSombreBT = nullptr;
  kit::Button* PANcadenas = nullptr;
  kit::Button* PANcadenasSombre = nullptr;

  kit::View* PANmargeHautNSView = nullptr;
  kit::View* PANmargeBasNSView = nullptr;
  kit::View* PANmargeGaucheNSView = nullptr;
  kit::View* PANmargeDroiteNSView = nullptr;
  kit::View* PANnombreColonnesNSView = nullptr;
  kit::View* PANnombreLignesNSView = nullptr;
  kit::View* PANlargeurColonnesNSView = nullptr;
  kit::View* PANhauteurLignesNSView = nullptr;
  kit::View* PANgouttiereColonnesNSView = nullptr;
  kit::View* PANgouttiereLignesNSView = nullptr;

  kit::TextField* PANzoneMargeHaut = nullptr;
  kit::TextField* PANzoneMargeBas = nullptr;
  kit::TextField* PANzoneMargeGauche = nullptr;
  kit::TextField* PANzoneMargeDroite = nullptr;
  kit::ComboBox* PANzoneNbrColonnes = nullptr;
  kit::ComboBox* PANzoneNbrLignes = nullptr;
  kit::TextField* PANzoneLargeurColonne = nullptr;
  kit::TextField* PANzoneHauteurLigne = nullptr;
  kit::TextField* PANzoneGouttiereColonne = nullptr;
  kit::TextField* PANzoneGouttiereLigne = nullptr;

  kit::Button* PANstepPlusMargeHaut = nullptr;
  kit::Button* PANstepMoinsMargeHaut = nullptr;
  kit::Button* PANstepPlusMargeBas = nullptr;
  kit::Button* PANstepMoinsMargeBas = nullptr;
  kit::Button* PANstepPlusMargeGauche = nullptr;
  kit::Button* PANstepMoinsMargeGauche = nullptr;
  kit::Button* PANstepPlusMargeDroite = nullptr;
  kit::Button* PANstepMoinsMargeDroite = nullptr;
  kit::Button* PANstepPlusNbrColonnes = nullptr;
  kit::Button* PANstepMoinsNbrColonnes = nullptr;
  kit::Button* PANstepPlusNbrLignes = nullptr;
  kit::Button* PANstepMoinsNbrLignes = nullptr;
  kit::Button* PANstepPlusLargeurColonne = nullptr;
  kit::Button* PANstepMoinsLargeurColonne = nullptr;
  kit::Button* PANstepPlusHauteurLigne = nullptr;
  kit::Button* PANstepMoinsHauteurLigne = nullptr;
  kit::Button* PANstepPlusGouttiereColonne = nullptr;
  kit::Button* PANstepMoinsGouttiereColonne = nullptr;
  kit::Button* PANstepPlusGouttiereLigne = nullptr;
  kit::Button* PANstepMoinsGouttiereLigne = nullptr;

  kit::ScrollView* PANaideScrollView = nullptr;
  kit::TextView* PANaide = nullptr;
  kit::Button* PANaidePageAvant = nullptr;
  kit::Button* PANaidePageApres = nullptr;
  kit::TextField* PANnumeroPage = nullptr;

  kit::Window* PREdialogue = nullptr;
  kit::Button* PREson = nullptr;
  kit::Button* PREtousLesPlans = nullptr;
  kit::Button* PREverrouille = nullptr;
  kit::Button* PREoutilGroupe = nullptr;
  kit::TextField* PREprochainLancement = nullptr;
  kit::Button* PREannulerBT = nullptr;
  kit::Button* PREdefautBT = nullptr;
  kit::Button* PREokBT = nullptr;

  kit::Window* SUPdialogue = nullptr;
  kit::Button* SUPsetUn = nullptr;
  kit::Button* SUPsetDeux = nullptr;
  kit::Button* SUPsetTrois = nullptr;
  kit::Button* SUPsetQuatre = nullptr;
  kit::Button* SUPsetCinq = nullptr;
  kit::Button* SUPsetSix = nullptr;
  kit::Button* SUPsetSept = nullptr;
  kit::Button* SUPsetHuit = nullptr;
  kit::Button* SUPannulerBT = nullptr;
  kit::Button* SUPokBT = nullptr;

  kit::Window* ABOdialogue = nullptr;
  kit::TextField* ABOversion = nullptr;
  kit::Button* ABOadresse = nullptr;
  kit::Button* ABOokBT = nullptr;

 protected:
  void bindLayout(kit::LayoutBindings& liaisons) override;

 private:
  void LierSorties(kit::LayoutBindings& liaisons);
  void MontreLongueurParDefaut(kit::TextField* zone, double& valeur, double millimetres,
                               void (GuidesDialogue::*miseAJour)());
  void LierActions(kit::LayoutBindings& liaisons);
};

#endif
