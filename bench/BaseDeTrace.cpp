#include "BaseDeTrace.h"

#include <benchmark/benchmark.h>

#include "GuidesSuites.h"
#include "IAIUnicodeString.h"

namespace {

void LitPlan(int plan) {
  AIArtboardListRef liste = nullptr;
  sAIArtboard->GetArtboardList(&liste);
  sAIArtboard->SetActive(liste, plan);
  AIArtboardPropertiesRef proprietes = nullptr;
  sAIArtboard->GetArtboardProperties(liste, plan, &proprietes);
  AIRealRect rectangle;
  sAIArtboard->GetPosition(proprietes, &rectangle);
  benchmark::DoNotOptimize(rectangle);
  sAIArtboard->DisposeArtboardProperties(proprietes);
  sAIArtboard->ReleaseArtboardList(liste);
}

}  // namespace

std::vector<GroupeAFaire> GroupesDuCas(int plans) {
  const SorteDeRepere sortes[] = {SorteDeRepere::MargeDroite, SorteDeRepere::MargeGauche, SorteDeRepere::MargeBas,
                                  SorteDeRepere::MargeHaut,   SorteDeRepere::Colonnes,    SorteDeRepere::Lignes};
  const char* noms[] = {"Marges droite", "Marges gauche", "Marges bas", "Marges haut", "Colonnes", "Lignes"};
  std::vector<GroupeAFaire> groupes;
  for (int s = 0; s < 6; ++s) {
    for (int n = 0; n < plans; ++n) {
      const float gauche = static_cast<float>(n) * (595 + 20);
      const AIRealRect plan = {gauche, 842, gauche + 595, 0};
      GroupeAFaire groupe{n, noms[s] + std::to_string(n + 1), {}};
      SegmentsDuRepere(sortes[s], plan, ValeursDuSetCourant(), ModeDeTrace::PourPlan, groupe.segments);
      groupes.push_back(std::move(groupe));
    }
  }
  return groupes;
}

void TraceDirect(AIArtHandle parent, const std::vector<GroupeAFaire>& aFaire, std::vector<AIArtHandle>& faits) {
  for (AIArtHandle groupe : faits) sAIArt->DisposeArt(groupe);
  faits.clear();
  for (const GroupeAFaire& g : aFaire) {
    LitPlan(g.plan);
    AIArtHandle groupe = nullptr;
    sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, parent, &groupe);
    sAIArt->SetArtName(groupe, ai::UnicodeString(g.nom.c_str()).ref());
    faits.push_back(groupe);
    for (const SegmentDeRepere& s : g.segments) {
      AIArtHandle chemin = nullptr;
      sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, groupe, &chemin);
      sAIArt->SetArtUserAttr(chemin, kArtLocked, kArtLocked);
      const AIPathSegment points[2] = {{s.debut, s.debut, s.debut, true}, {s.fin, s.fin, s.fin, true}};
      sAIPath->SetPathSegmentCount(chemin, 2);
      sAIPath->SetPathClosed(chemin, false);
      sAIPath->SetPathIsGuide(chemin, true);
      sAIPath->SetPathSegments(chemin, 0, 1, &points[0]);
      sAIPath->SetPathSegments(chemin, 1, 1, &points[1]);
    }
  }
}
