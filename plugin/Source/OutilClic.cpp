// A click of the tool: Alt shows or hides the panel; any other click lays the set out.
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "Panneau.h"
#include "PanneauGlobals.h"
#include "kit/PopUpButton.h"

namespace {

// The click's hit test: any art within 8 artwork units, whatever the zoom.
constexpr AIReal kToleranceClic = 8.0f;
constexpr int16_t kSonClic = 9000;

AIErr MontreOuCachePanneau() {
  if (PanneauRef == nullptr) return kNoErr;  // no panel before the application has started
  AIBoolean affiche = false;
  const AIErr erreur = sAIPanel->IsShown(PanneauRef, &affiche);
  if (erreur != kNoErr) return erreur;
  return sAIPanel->Show(PanneauRef, !affiche);
}

// The object under the cursor sets the reference to its bounds; elsewhere the guides
// follow the artboards. Only a hit test that cannot run at all stops the click.
AIErr ChoisitLaReference(const AIRealPoint& point) {
  AIHitRef touche = nullptr;
  const AIErr erreur = sAIHitTest->HitTestEx(nullptr, &point, kAllHitRequest, kToleranceClic, &touche);
  if (erreur != kNoErr) return erreur;
  AIToolHitData donnees{};
  const bool lu = sAIHitTest->GetHitData(touche, &donnees) == kNoErr;
  sAIHitTest->Release(touche);
  CreerReperesSelonObjetClique =
      lu && donnees.object != nullptr && sAIArt->GetArtBounds(donnees.object, &RectangleEnglobant) == kNoErr;
  return kNoErr;
}

// The artboard chosen in the panel; the first while there is no panel (or no choice).
void PrendLePlanChoisi() {
  if (GpanPopupPlansDeTravail == nullptr) return;
  const int choisi = GpanPopupPlansDeTravail->indexOfSelectedItem();
  if (choisi >= 0) NumeroDuPlan = choisi;
}

// Where the last click laid its guides out, which the live redraw keeps using.
struct PlaceDuClic {
  bool objet;
  AIRealRect rectangle;
  int32_t plan;
  int32_t plans;
};

PlaceDuClic PlaceCourante() { return {CreerReperesSelonObjetClique, RectangleEnglobant, NumeroDuPlan, NbrPlans}; }

void RevientA(const PlaceDuClic& place) {
  CreerReperesSelonObjetClique = place.objet;
  RectangleEnglobant = place.rectangle;
  NumeroDuPlan = place.plan;
  NbrPlans = place.plans;
}

}  // namespace

AIErr CliqueOutil(const AIToolMessage& message) {
  if (AltEnfonce(message)) return MontreOuCachePanneau();

  // A layout that cannot be drawn at the clicked place is refused before anything is made:
  // no group, no sound, and the last click's guides still follow the panel.
  const PlaceDuClic avant = PlaceCourante();
  if (const AIErr erreur = ChoisitLaReference(message.cursor)) return erreur;
  PrendLePlanChoisi();
  CompteLesPlans();
  if (!DispositionTracable()) {
    RevientA(avant);
    return AlerteDispositionHorsDocument();
  }
  // A refused parent group (locked layer) has shown its alert; the click goes on.
  GroupeCree = false;
  CreationGroupe();
  const AIErr erreur = TraceLesSixSortes();
  if (SonDefaut) Sonorise(kSonClic);
  return erreur;
}
