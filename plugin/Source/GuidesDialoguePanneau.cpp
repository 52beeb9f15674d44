// The panel's initial state and its buttons: artboard popup, erase, logo, web page.
#include <string>
#include <vector>

#include "EcritLitPrefs.h"
#include "GuidesDialogue.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "Panneau.h"
#include "SimuleAppuiTouche.h"
#include "TextesAide.h"
#include "Theme.h"
#include "kit/Kit.h"

namespace {

constexpr kit::Rect kCadreReveil{{0, 166}, {480, 158}};
constexpr double kLargeurTexteAide = 216;
// The fifth unit of the popup: millimetres.
constexpr int kIndexMillimetres = 4;

// One quantity of the set: its icon, its field and the tooltip both show.
struct Quantite {
  kit::View* icone;
  kit::TextField* zone;
  const char* bulle;
};

}  // namespace

const char* BulleEffacer() {
  return TousLesPlans ? "Effacer tous les guides sur tous les plans de travail."
                      : "Effacer tous les guides sur le plan de travail sélectionné.";
}

void GuidesDialogue::PANinit() {
  BoutonReveilGuidesNSView->setFrame(kCadreReveil);

  const Quantite quantites[] = {
      {PANmargeHautNSView, PANzoneMargeHaut, "Marge du haut."},
      {PANmargeBasNSView, PANzoneMargeBas, "Marge du bas."},
      {PANmargeGaucheNSView, PANzoneMargeGauche, "Marge de gauche."},
      {PANmargeDroiteNSView, PANzoneMargeDroite, "Marge de droite."},
      {PANnombreColonnesNSView, PANzoneNbrColonnes, "Nombre de colonnes."},
      {PANnombreLignesNSView, PANzoneNbrLignes, "Nombre de lignes."},
      {PANlargeurColonnesNSView, PANzoneLargeurColonne, "Largeur des colonnes."},
      {PANhauteurLignesNSView, PANzoneHauteurLigne, "Hauteur des lignes."},
      {PANgouttiereColonnesNSView, PANzoneGouttiereColonne, "Gouttière entre les colonnes."},
      {PANgouttiereLignesNSView, PANzoneGouttiereLigne, "Gouttière entre les lignes."},
  };
  const kit::Color fond =
      kit::Color::colorWithCalibratedRed(RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme);
  for (const Quantite& q : quantites) q.zone->setBackgroundColor(fond);

  const std::vector<std::string> titres = LitTitresDesSets();
  for (size_t i = 0; i < titres.size(); ++i) PANpopupSets->insertItemWithTitle(titres[i], static_cast<int>(i + 1));
  PANpopupSets->selectItemAtIndex(0);

  PANpopupUniteDuSet->setToolTip("Choix de l'unité du set.");
  PANpopupUniteDuSet->selectItemAtIndex(kIndexMillimetres);
  PANpopupSets->setToolTip("Pour supprimer un set,\rsélectionnez le set dans le popup\ren pressant la touche ALT.");
  PANraltoBT->setToolTip(kLigneContact);
  PANurlBT->setToolTip(kAdressePageWeb);

  for (const Quantite& q : quantites) {
    q.icone->setToolTip(q.bulle);
    q.zone->setToolTip(q.bulle);
  }
  PANcadenas->setToolTip("Marges toutes égales ou différentes.");
  PANcadenasSombre->setToolTip("Marges toutes égales ou différentes.");
  PANnomSet->setToolTip("Nom du nouveau set.");
  PANannulerSetBT->setToolTip("Le nouveau set ne sera pas créé.");
  PANokSetBT->setToolTip("Le nouveau set va être créé.");

  PANeffacerBT->setToolTip(BulleEffacer());
  PANeffacerSombreBT->setToolTip(BulleEffacer());
  PANpopupPlansDeTravail->setToolTip("Choix du plan de travail.");

  PANokSetBT->setHidden(true);
  PANannulerSetBT->setHidden(true);
  PANafficheSetParDefaut();

  PageAide = 1;
  NbrPages = kNombrePagesAide;
  PANaidePageAvant->setEnabled(false);
  PANnumeroPage->setTextColor(
      kit::Color::colorWithCalibratedRed(RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme));
  kit::Rect cadreAide = PANaide->frame();
  cadreAide.size.width = kLargeurTexteAide;
  PANaide->setFrame(cadreAide);
  PANaide->setAlignment(kit::TextAlignment::Left);
  TexteAide();
}

// The tool rebuilds the items when it is selected; a popup left without a selection
// keeps the artboard chosen before.
void GuidesDialogue::PANpopupPlansDeTravailCBP(kit::Control*) {
  const int index = PANpopupPlansDeTravail->indexOfSelectedItem();
  if (index >= 0) NumeroDuPlan = index;
}

// The erase itself happens in the tool's next cursor-tracking call, where the host lets
// the document change.
void GuidesDialogue::PANeffacerCBP(kit::Control*) {
  DoitEffacer = true;
  SimuleAppuiToucheFn();
}

void GuidesDialogue::PANraltoCBP(kit::Control*) {
  PANafficheSetParDefaut();
  PANpopupSets->selectItemAtIndex(0);
  if (MenuLocal && sAIPanelFlyoutMenu)
    sAIPanelFlyoutMenu->SetItemMark(
        MenuLocal, kMenuReperesVerrouilles,
        ReperesVerrouilles ? kAIPanelFlyoutMenuItemMark_CHECK : kAIPanelFlyoutMenuItemMark_NONE);
  SimuleAppuiToucheFn();
}

void GuidesDialogue::PANurlCBP(kit::Control*) { kit::Workspace::sharedWorkspace().openURL(kAdressePageWeb); }
