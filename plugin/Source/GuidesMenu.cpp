// The plug-in's entries in the host's menus, and the panel's flyout menu.
#include <cstring>

#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "IAIUnicodeString.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "SDKAboutPluginsHelper.h"
#include "SimuleAppuiTouche.h"
#include "kit/Application.h"
#include "kit/Window.h"

namespace {

// Shared with the maker's other plug-ins: whichever starts first makes these groups.
constexpr const char* kGroupeAPropos = "À propos des Ralto-Outils…";
constexpr const char* kGroupeOutils = "Ralto-Outils";
constexpr const char* kMasquer = "Masquer Ralto-Guides";
constexpr const char* kAfficher = "Afficher Ralto-Guides";

// The panel's width with the help hidden, and shown.
constexpr AIReal kLargeurSansAide = 240;
constexpr AIReal kLargeurAvecAide = 2 * kLargeurSansAide;

// Walks the host's groups from the last one, as other plug-ins add theirs at the end.
ASErr GroupeOutilsExiste(bool& existe) {
  existe = false;
  int32_t nombre = 0;
  ASErr erreur = sAIMenu->CountMenuGroups(&nombre);
  for (int32_t i = nombre - 1; erreur == kNoErr && i >= 0 && !existe; --i) {
    AIMenuGroup groupe = nullptr;
    const char* nom = nullptr;
    erreur = sAIMenu->GetNthMenuGroup(i, &groupe);
    if (erreur == kNoErr) erreur = sAIMenu->GetMenuGroupName(groupe, &nom);
    if (erreur == kNoErr && nom && std::strcmp(nom, kGroupeOutils) == 0) existe = true;
  }
  return erreur;
}

ASErr PanneauAffiche(bool& affiche) {
  AIBoolean montre = false;
  ASErr erreur = sAIPanel->IsShown(PanneauRef, &montre);
  affiche = erreur == kNoErr && montre;
  return erreur;
}

// Runs a dialog of the panel until its own buttons end the run; without the panel's
// layout there is no dialog to run.
void MontreDialogue(kit::Window* dialogue) {
  if (dialogue) kit::Application::shared().runModalForWindow(*dialogue);
}

void BasculeReperesVerrouilles() {
  ReperesVerrouilles = !ReperesVerrouilles;
  sAIPanelFlyoutMenu->SetItemMark(
      MenuLocal, kMenuReperesVerrouilles,
      ReperesVerrouilles ? kAIPanelFlyoutMenuItemMark_CHECK : kAIPanelFlyoutMenuItemMark_NONE);
  SimuleAppuiToucheFn();
}

// The help sits to the right of the controls: the panel widens to show it.
void BasculeAide(AIPanelRef panneau) {
  AISize taille{0, 0};
  if (sAIPanel->GetSize(panneau, &taille) != kNoErr) return;
  const bool montrer = taille.width == kLargeurSansAide;
  taille.width = montrer ? kLargeurAvecAide : kLargeurSansAide;
  sAIPanelFlyoutMenu->SetItemText(MenuLocal, kMenuAide,
                                  ai::UnicodeString(montrer ? "Masquer l'aide" : "Afficher l'aide").ref());
  sAIPanel->SetSize(panneau, &taille);
}

}  // namespace

ASErr GuidesPlugIn::AddMenus(SPInterfaceMessage* message) {
  SDKAboutPluginsHelper aPropos;
  aPropos.AddAboutPluginsMenuItem(message, kGroupeAPropos, kGroupeAPropos, "Ralto-Guides…", &fAboutMenuItem);

  bool existe = false;
  ASErr erreur = GroupeOutilsExiste(existe);
  if (erreur != kNoErr) return erreur;
  if (!existe) {
    erreur = sAIMenu->AddMenuItem(fPluginRef, kGroupeOutils, kToolPalettesMenuGroup,
                                  ai::UnicodeString(kGroupeOutils).ref(), kMenuItemNoOptions, &fShowHideMenuItem);
    AIMenuGroup groupe = nullptr;
    if (erreur == kNoErr)
      erreur = sAIMenu->AddMenuGroupAsSubMenu(kGroupeOutils, kMenuGroupSortedAlphabeticallyOption, fShowHideMenuItem,
                                              &groupe);
  }
  if (erreur == kNoErr)
    erreur = sAIMenu->AddMenuItem(fPluginRef, kMasquer, kGroupeOutils, ai::UnicodeString(kMasquer).ref(),
                                  kMenuItemWantsUpdateOption, &fShowHideMenuItem);
  return erreur;
}

ASErr GuidesPlugIn::GoMenuItem(AIMenuMessage* message) {
  if (!message || !message->menuItem) return kNoErr;
  if (message->menuItem == fAboutMenuItem) {
    MontreDialogue(GdialogueABO);
  } else if (message->menuItem == fShowHideMenuItem && PanneauRef) {
    bool affiche = false;
    ASErr erreur = PanneauAffiche(affiche);
    if (erreur == kNoErr) erreur = sAIPanel->Show(PanneauRef, !affiche);
    return erreur;
  }
  return kNoErr;
}

// The text says what choosing the item will do, whoever showed or hid the panel last.
ASErr GuidesPlugIn::UpdateMenuItem(AIMenuMessage* message) {
  if (!message || !message->menuItem || message->menuItem != fShowHideMenuItem) return kNoErr;
  bool affiche = false;
  if (PanneauRef) PanneauAffiche(affiche);
  return sAIMenu->SetItemText(message->menuItem, ai::UnicodeString(affiche ? kMasquer : kAfficher).ref());
}

void MenuCBP(AIPanelRef panneau, int32_t id) {
  CallGuarded([&] {
    sAIPanel->GetFlyoutMenu(panneau, &MenuLocal);
    switch (id) {
      case kMenuReperesVerrouilles:
        BasculeReperesVerrouilles();
        break;
      case kMenuPreferences:
        MontreDialogue(GdialoguePRE);
        break;
      case kMenuAide:
        BasculeAide(panneau);
        break;
      default:
        break;
    }
  });
}
