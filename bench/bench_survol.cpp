// The host's hit test on large documents of rectangles, and what the plug-in's hover and
// click cost on top of it.
//   "Survol": the tool's cursor-tracking message sent to a GuidesPlugIn object's handler,
//   which reads the view's zoom, hit-tests through the host and shows one of its cursors
//   (built before timing), over 100,000 objects.
//   "Base/N": the bare host hit test through its suite at the same points with the same
//   request and tolerance, its data read and released, over N objects (1,000 to 1,000,000):
//   the cost per move as the document grows. It counts the points over an object (sur_objet).
//   "Parcours": the walk over every art (hitTestByWalk), which answered before the index, at
//   the same points over 100,000 objects.
//   "Clic": a click of "Outil Guides" on an object of a 100,000-object document: its hit test,
//   then the default set laid out inside the object. "Disposition": the same layout without
//   the hit test, as the click that found that object makes it.
// Every case walks the same sequence of points. At the end the time per move of each, the
// ratios Survol/Base, Base/Parcours, Base at N against Base at 1,000, and Clic/Disposition
// are printed, from CPU time, medians when the run has repetitions.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Curseurs.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "RapportDeRatios.h"
#include "Survol.h"
#include "SuitesDuTraceur.h"
#include "TestHost.h"
#include "Utilitaires.h"
#include "model/HitTest.h"

namespace {

// Columns x rows of 30 x 30 rectangles, 50 apart across and 80 apart down, from the top
// left of one artboard that holds them all.
struct Grille {
  int colonnes;
  int rangees;
  int Objets() const { return colonnes * rangees; }
};
const Grille kMille{40, 25};
const Grille kDixMille{100, 100};
const Grille kCentMille{400, 250};
const Grille kMillion{1000, 1000};

constexpr float kCote = 30.0f;
constexpr float kPasH = 50.0f;
constexpr float kPasV = 80.0f;
constexpr int kNombreDePoints = 256;

float TaillePlan(const Grille& g) { return std::max(g.colonnes * kPasH, g.rangees * kPasV); }

// The document, with the index brought up to date by a first test, as the first move does.
void PrepareDocument(const Grille& g) {
  testhost::reset();
  testhost::plugTracerSuites();
  const float taille = TaillePlan(g);
  testhost::newDocument(taille, taille);
  for (int r = 0; r < g.rangees; ++r) {
    for (int c = 0; c < g.colonnes; ++c) {
      const float gauche = static_cast<float>(c) * kPasH, haut = taille - static_cast<float>(r) * kPasV;
      testhost::addRect(AIRealRect{gauche, haut, gauche + kCote, haut - kCote}, "Rectangle");
    }
  }
  CalculerCurseurs();
  DoitRedessiner = DoitEffacer = false;
  host::hitTest(host::model(), AIRealPoint{0, 0}, 1);
}

// The cursor's path: points over the grid from a fixed pseudo-random sequence, so every case
// sees the same ones (about a third over a rectangle, whatever the grid).
std::vector<AIRealPoint> Points(const Grille& g) {
  std::vector<AIRealPoint> points;
  uint32_t graine = 12345;
  auto suivant = [&graine] {
    graine = graine * 1664525u + 1013904223u;
    return static_cast<float>(graine >> 8) / static_cast<float>(1u << 24);
  };
  for (int k = 0; k < kNombreDePoints; ++k) {
    const float h = suivant() * g.colonnes * kPasH, v = TaillePlan(g) - suivant() * g.rangees * kPasV;
    points.push_back(AIRealPoint{h, v});
  }
  return points;
}

AIReal Tolerance() {
  AIReal zoom = 1.0f;
  RappelleLeZoom(&zoom);
  return ToleranceDeSurvol(zoom);
}

void CompteParMouvement(benchmark::State& state, const Grille& g) {
  state.SetItemsProcessed(state.iterations());
  state.counters["mouvements"] = 1;
  state.counters["objets"] = g.Objets();
}

void Survol(benchmark::State& state) {
  PrepareDocument(kCentMille);
  const std::vector<AIRealPoint> points = Points(kCentMille);
  GuidesPlugIn plugin(nullptr);
  AIEvent evenement{};
  AIToolMessage message{};
  message.event = &evenement;
  size_t k = 0;
  int64_t erreurs = 0;
  for (auto _ : state) {
    message.cursor = points[k++ % points.size()];
    erreurs += plugin.TrackToolCursor(&message) != kNoErr;
  }
  if (erreurs != 0) state.SkipWithError("a hover test failed");
  CompteParMouvement(state, kCentMille);
  testhost::reset();
}

void Base(benchmark::State& state, Grille g) {
  PrepareDocument(g);
  const std::vector<AIRealPoint> points = Points(g);
  const AIReal tolerance = Tolerance();
  size_t k = 0;
  int64_t touches = 0;
  for (auto _ : state) {
    const AIRealPoint& point = points[k++ % points.size()];
    AIHitRef touche = nullptr;
    AIToolHitData donnees{};
    if (sAIHitTest->HitTestEx(nullptr, &point, kFillHitRequest, tolerance, &touche) == kNoErr) {
      sAIHitTest->GetHitData(touche, &donnees);
      sAIHitTest->Release(touche);
    }
    touches += donnees.hit && donnees.object != nullptr;
  }
  CompteParMouvement(state, g);
  if (state.iterations() > 0)
    state.counters["sur_objet"] = static_cast<double>(touches) / static_cast<double>(state.iterations());
  testhost::reset();
}

void Parcours(benchmark::State& state) {
  PrepareDocument(kCentMille);
  const std::vector<AIRealPoint> points = Points(kCentMille);
  const AIReal tolerance = Tolerance();
  size_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(host::hitTestByWalk(host::model(), points[k++ % points.size()], tolerance));
  CompteParMouvement(state, kCentMille);
  testhost::reset();
}

// The default set on one artboard: 3 mm margins, 2 columns and 2 rows, 2 mm gutters; no sound.
void PrepareLeSet() {
  LibereListesDeGuides();
  AHGroupe = nullptr;
  MargeHaut = MargeBas = MargeGauche = MargeDroite = 3 * PointsParUnite(kUniteMillimetres);
  NombreDeColonnes = NombreDeLignes = 2;
  LargeurDeColonnes = HauteurDeLignes = 0;
  GouttiereColonnes = GouttiereLignes = 2 * PointsParUnite(kUniteMillimetres);
  TousLesPlans = false;
  SonDefaut = false;
  NumeroDuPlan = 0;
}

// Each click makes its own groups, as a user's clicks do; both cases make as many.
constexpr int64_t kClics = 20000;
const AIRealPoint kSurUnObjet{15, TaillePlan(kCentMille) - 15};

void Clic(benchmark::State& state) {
  PrepareDocument(kCentMille);
  PrepareLeSet();
  AIToolMessage message{};
  message.cursor = kSurUnObjet;
  int64_t erreurs = 0;
  for (auto _ : state) erreurs += CliqueOutil(message) != kNoErr;
  if (erreurs != 0 || !CreerReperesSelonObjetClique) state.SkipWithError("the click did not lay out on the object");
  CompteParMouvement(state, kCentMille);
  LibereListesDeGuides();
  testhost::reset();
}

void Disposition(benchmark::State& state) {
  PrepareDocument(kCentMille);
  PrepareLeSet();
  AIToolMessage message{};
  message.cursor = kSurUnObjet;
  CliqueOutil(message);  // where the click lays out: the object's bounds
  int64_t erreurs = 0;
  for (auto _ : state) {
    GroupeCree = false;
    CreationGroupe();
    erreurs += TraceLesSixSortes() != kNoErr;
  }
  if (erreurs != 0) state.SkipWithError("the layout failed");
  CompteParMouvement(state, kCentMille);
  LibereListesDeGuides();
  testhost::reset();
}

BENCHMARK(Survol)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Base, 1000, kMille)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Base, 10000, kDixMille)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Base, 100000, kCentMille)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Base, 1000000, kMillion)->Unit(benchmark::kMicrosecond);
BENCHMARK(Parcours)->Unit(benchmark::kMicrosecond);
BENCHMARK(Clic)->Iterations(kClics)->Unit(benchmark::kMicrosecond);
BENCHMARK(Disposition)->Iterations(kClics)->Unit(benchmark::kMicrosecond);

void TableauDesRatios(const RapportDeRatios& rapport) {
  const double survol = rapport.Temps("Survol"), base = rapport.Temps("Base/100000");
  const double parcours = rapport.Temps("Parcours"), mille = rapport.Temps("Base/1000");
  std::printf("\n%-24s %12s %14s\n", "cas", "us/mouv", "ratio");
  if (survol > 0 && base > 0) std::printf("%-24s %12.3f %14.3f\n", "Survol / Base 100000", survol * 1e6, survol / base);
  if (base > 0 && parcours > 0)
    std::printf("%-24s %12.3f %14.4f\n", "Base 100000 / Parcours", base * 1e6, base / parcours);
  if (parcours > 0) std::printf("%-24s %12.3f\n", "Parcours 100000", parcours * 1e6);
  for (const char* n : {"1000", "10000", "100000", "1000000"}) {
    const double t = rapport.Temps(std::string("Base/") + n);
    if (t > 0 && mille > 0) std::printf("%-24s %12.3f %14.3f\n", (std::string("Base ") + n + " / 1000").c_str(), t * 1e6, t / mille);
  }
  const double clic = rapport.Temps("Clic/iterations:20000"), disposition = rapport.Temps("Disposition/iterations:20000");
  if (clic > 0 && disposition > 0)
    std::printf("%-24s %12.3f %14.3f\n", "Clic / Disposition", clic * 1e6, clic / disposition);
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("mouvements", RapportDeRatios::Par::Iteration, TableauDesRatios);
  return LanceLesMesures(argc, argv, rapport);
}
