// The hover test's cost per cursor move over a document of 100,000 rectangles. "Survol":
// the tool's cursor-tracking message sent to a GuidesPlugIn object's handler, which reads
// the view's zoom, hit-tests through the host and shows one of its cursors (built before
// timing). "Base": the bare host hit test at the same points with the same arguments
// (request, tolerance), its data read and released. Both walk the same sequence of points,
// about a third of them over a rectangle (Base counts them: sur_objet). At the end the
// time per move of each and Survol/Base are printed, from CPU time, medians when the run
// has repetitions.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Curseurs.h"
#include "GuidesOutil.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "RapportDeRatios.h"
#include "Survol.h"
#include "SuitesDuTraceur.h"
#include "TestHost.h"

namespace {

// 400 columns x 250 rows of 30 x 30 rectangles, 50 apart across and 80 apart down, on one
// artboard of 20,000 x 20,000.
constexpr int kColonnes = 400;
constexpr int kRangees = 250;
constexpr float kCote = 30.0f;
constexpr float kPasH = 50.0f;
constexpr float kPasV = 80.0f;
constexpr float kTaillePlan = 20000.0f;
constexpr int kNombreDePoints = 256;

void PrepareDocument() {
  testhost::reset();
  testhost::plugTracerSuites();
  testhost::newDocument(kTaillePlan, kTaillePlan);
  for (int r = 0; r < kRangees; ++r) {
    for (int c = 0; c < kColonnes; ++c) {
      const float gauche = static_cast<float>(c) * kPasH, haut = kTaillePlan - static_cast<float>(r) * kPasV;
      testhost::addRect(AIRealRect{gauche, haut, gauche + kCote, haut - kCote}, "Rectangle");
    }
  }
  CalculerCurseurs();
  DoitRedessiner = DoitEffacer = false;
}

// The cursor's path: points over the artboard from a fixed pseudo-random sequence, so both
// programs see the same ones.
std::vector<AIRealPoint> Points() {
  std::vector<AIRealPoint> points;
  uint32_t graine = 12345;
  auto suivant = [&graine] {
    graine = graine * 1664525u + 1013904223u;
    return static_cast<float>(graine >> 8) / static_cast<float>(1u << 24);
  };
  for (int k = 0; k < kNombreDePoints; ++k) {
    const float h = suivant() * kColonnes * kPasH, v = kTaillePlan - suivant() * kRangees * kPasV;
    points.push_back(AIRealPoint{h, v});
  }
  return points;
}

void CompteParMouvement(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations());
  state.counters["mouvements"] = 1;
}

void Survol(benchmark::State& state) {
  PrepareDocument();
  const std::vector<AIRealPoint> points = Points();
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
  CompteParMouvement(state);
  testhost::reset();
}

void Base(benchmark::State& state) {
  PrepareDocument();
  const std::vector<AIRealPoint> points = Points();
  AIReal zoom = 1.0f;
  RappelleLeZoom(&zoom);
  const AIReal tolerance = ToleranceDeSurvol(zoom);
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
  CompteParMouvement(state);
  if (state.iterations() > 0)
    state.counters["sur_objet"] = static_cast<double>(touches) / static_cast<double>(state.iterations());
  testhost::reset();
}

BENCHMARK(Survol)->Unit(benchmark::kMicrosecond);
BENCHMARK(Base)->Unit(benchmark::kMicrosecond);

// After the usual table: the time per move of each and Survol/Base.
void TableauDesRatios(const RapportDeRatios& rapport) {
  const double survol = rapport.Temps("Survol"), base = rapport.Temps("Base");
  if (survol <= 0 || base <= 0) return;
  std::printf("\n%-10s %18s %18s %14s\n", "objets", "survol us/mouv", "base us/mouv", "survol/base");
  std::printf("%-10d %18.2f %18.2f %14.3f\n", kColonnes * kRangees, survol * 1e6, base * 1e6, survol / base);
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("mouvements", RapportDeRatios::Par::Iteration, TableauDesRatios);
  return LanceLesMesures(argc, argv, rapport);
}
