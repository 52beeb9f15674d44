// The panel's initial state and its buttons: artboard popup, erase, logo, web page.
#include <cctype>
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

// One quantity of the set: its icon, its field and the tooltip both show, and its steppers,
// whose tooltips name the quantity they step.
struct Quantite {
  kit::View* icone;
  kit::TextField* zone;
  const char* bulle;
  kit::Button* plus;
  kit::Button* moins;
};

// "Augmenter : marge du haut." from "Marge du haut.".
std::string BulleDuPas(const char* verbe, const char* bulle) {
  std::string texte = std::string(verbe) + " : " + bulle;
  const size_t debut = std::char_traits<char>::length(verbe) + 3;
  texte[debut] = static_cast<char>(std::tolower(static_cast<unsigned char>(texte[debut])));
  return texte;
}

}  // namespace

const char* BulleEffacer() {
  return TousLesPlans ? "Effacer tous les guides sur tous les plans de travail."
                      : "Effacer tous les guides sur le plan de travail sélectionné.";
}

void GuidesDialogue::PANinit() {
  BoutonReveilGuidesNSView->setFrame(kCadreReveil);

  const Quantite quantites[] = {
      {PANmargeHautNSView, PANzoneMargeHaut, "Marge du haut.",
       PANstepPlusMargeHaut, PANstepMoinsMargeHaut},
      {PANmargeBasNSView, PANzoneMargeBas, "Marge du bas.",
       PANstepPlusMargeBas, PANstepMoinsMargeBas},
      {PANmargeGaucheNSView, PANzoneMargeGauche, "Marge de gauche.",
       PANstepPlusMargeGauche, PANstepMoinsMargeGauche},
      {PANmargeDroiteNSView, PANzoneMargeDroite, "Marge de droite.",
       PANstepPlusMargeDroite, PANstepMoinsMargeDroite},
      {PANnombreColonnesNSView, PANzoneNbrColonnes, "Nombre de colonnes.",
       PANstepPlusNbrColonnes, PANstepMoinsNbrColonnes},
      {PANnombreLignesNSView, PANzoneNbrLignes, "Nombre de lignes.",
       PANstepPlusNbrLignes, PANstepMoinsNbrLignes},
      {PANlargeurColonnesNSView, PANzoneLargeurColonne, "Largeur des colonnes.",
       PANstepPlusLargeurColonne, PANstepMoinsLargeurColonne},
      {PANhauteurLignesNSView, PANzoneHauteurLigne, "Hauteur des lignes.",
       PANstepPlusHauteurLigne, PANstepMoinsHauteurLigne},
      {PANgouttiereColonnesNSView, PANzoneGouttiereColonne, "Gouttière entre les colonnes.",
       PANstepPlusGouttiereColonne, PANstepMoinsGouttiereColonne},
      {PANgouttiereLignesNSView, PANzoneGouttiereLigne, "Gouttière entre les lignes.",
       PANstepPlusGouttiereLigne, PANstepMoinsGouttiereLigne},
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
    q.plus->setToolTip(BulleDuPas("Augmenter", q.bulle));
    q.moins->setToolTip(BulleDuPas("Diminuer", q.bulle));
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
