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

  // ---- Every action and every outlet of the layout, from the one table of its controls.
  // The outlets are filled by the layout, which owns their controls.
#define PANNEAU_SORTIE(Type, Membre, Nom) Type* Membre = nullptr;
#define PANNEAU_ACTION(Methode) void Methode(kit::Control* sender);
#include "ControlesPanneau.h"

  // ---- Set-up of the panel and the dialogs, run once the layout is loaded ----
  void PANinit();
  void PREinitDialogue();
  void SUPinitDialogue();
  void ABOinitDialogue();

  // Shows the help page PageAide.
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

  // Re-expresses the eight length fields in UniteDuSet.
  void PANadapteUniteZonesPanneau();

  // Removes user set `numero` (its index in the popup of sets) from the popup and the
  // preferences.
  void SupprimerSet(int numero);

 protected:
  void bindLayout(kit::LayoutBindings& liaisons) override;

 private:
  void LierSorties(kit::LayoutBindings& liaisons);
  void MontreLongueurParDefaut(kit::TextField* zone, double& valeur, double millimetres,
                               void (GuidesDialogue::*miseAJour)());
  void LierActions(kit::LayoutBindings& liaisons);
};

#endif
