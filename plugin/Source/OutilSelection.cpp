// Selecting and deselecting the tool: the panel follows it (wake-up veil, flyout menu,
// controls, artboard popup), and so do the hint annotator and the working unit.
#include <cstdio>
#include <string>

#include "BoutonReveilGuides.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "Survol.h"
#include "Utilitaires.h"
#include "kit/PopUpButton.h"

namespace {

// The veil moves out of the visible panel while the tool is selected, back over it after.
void PlaceVoileReveil(double x) {
  if (GboutonReveilGuidesNSView == nullptr) return;
  const kit::Rect cadre = GboutonReveilGuidesNSView->frame();
  GboutonReveilGuidesNSView->setFrameOrigin(kit::Point{x, cadre.origin.y});
}

// Every item of the panel's flyout menu, once the panel has one.
void ActiveMenuLocal(bool actif) {
  if (MenuLocal == nullptr) return;
  int32_t nombre = 0;
  if (sAIPanelFlyoutMenu->GetItemCount(MenuLocal, &nombre) != kNoErr) return;
  for (int32_t i = 0; i < nombre; ++i) {
    int32_t id = 0;
    if (sAIPanelFlyoutMenu->GetItemId(MenuLocal, i, &id) == kNoErr)
      sAIPanelFlyoutMenu->SetItemEnabled(MenuLocal, id, actif);
  }
}

// One item per artboard counted, the first chosen.
void RemplitPopupDesPlans() {
  NumeroDuPlan = 0;
  if (GpanPopupPlansDeTravail == nullptr) return;
  GpanPopupPlansDeTravail->removeAllItems();
  for (int32_t i = 0; i < NbrPlans; ++i) GpanPopupPlansDeTravail->insertItemWithTitle(TitrePlan(i), i);
  GpanPopupPlansDeTravail->selectItemAtIndex(0);
}

AIErr PrendUniteDeLaRegle() {
  int16_t unites = 0;
  const AIErr erreur = sAIDocument->GetDocumentRulerUnits(&unites);
  if (erreur == kNoErr) Unite = UniteDeLaRegle(unites);
  return erreur;
}

AIErr ActiveAnnotateur(AIAnnotatorHandle annotateur, bool actif) {
  if (annotateur == nullptr) return kNoErr;
  return sAIAnnotator->SetAnnotatorActive(annotateur, actif);
}

}  // namespace

CodeUnite UniteDeLaRegle(int16_t uniteHote) {
  switch (uniteHote) {
    case kInchesUnits:
      return kUnitePouces;
    case kCentimetersUnits:
      return kUniteCentimetres;
    case kPointsUnits:
    case kPixelsUnits:
      return kUnitePoints;
    case kPicasUnits:
      return kUnitePicas;
    default:
      return kUniteMillimetres;
  }
}

std::string TitrePlan(int32_t index) { return "Plan " + TexteEntier(static_cast<long long>(index) + 1); }

AIErr SelectionneOutil(AIAnnotatorHandle annotateur) {
  PlaceVoileReveil(kAbscisseReveilCache);
  DoitEffacer = false;
  OutilSelectionne = true;
  MontreCurseur(CurseurOutil::Generique);
  ActiveMenuLocal(true);
  CompteLesPlans();
  RemplitPopupDesPlans();
  ActiveAnnotateur(annotateur, true);
  ActiverZones(1);
  return PrendUniteDeLaRegle();
}

AIErr DeselectionneOutil(AIAnnotatorHandle annotateur) {
  PlaceVoileReveil(0);
  OutilSelectionne = false;
  ActiveMenuLocal(false);
  const AIErr erreur = ActiveAnnotateur(annotateur, false);
  ActiverZones(0);
  return erreur;
}
