// A live redraw round trip through the simulated host's parts. "Redessin": a panel change
// posts the fn key (SimuleAppuiToucheFn), the event queue is drained as the host's loop
// does, and each key-down is answered with the tool's cursor-tracking message at the last
// cursor position, sent to a GuidesPlugIn object's handler; the pending redraw lays the six
// kinds out again. "Base": the same groups and guide paths made directly through the same
// suites (BaseDeTrace.h). At the end Redessin/Base is printed for each case, from CPU time,
// medians when the run has repetitions. "Enregistre" is a redraw as the host runs it, its
// changes then marked as an undo step; "Annuler" and "Retablir" undo and redo that step, and
// their ratios to Enregistre follow.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "BaseDeTrace.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesPlugIn.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "RapportDeRatios.h"
#include "SimuleAppuiTouche.h"
#include "SuitesDuTraceur.h"
#include "TestHost.h"
#include "Utilitaires.h"
#include "kit/EventQueue.h"
#include "model/Model.h"

namespace {

struct Cas {
  int plans;
  int divisions;  // columns and rows
  bool tousLesPlans;
};

// Where the cursor last was: outside every artboard, over no object.
constexpr AIRealPoint kDernierePosition = {-50.0f, -50.0f};

// A fresh document with the set of the case: the default set's margins and gutters, with
// `divisions` columns and rows.
void Prepare(const Cas& cas) {
  testhost::reset();
  testhost::plugTracerSuites();
  LibereListesDeGuides();
  AHGroupe = nullptr;
  kit::EventQueue::shared().clear();
  testhost::newDocument(595, 842, cas.plans);
  MargeHaut = MargeBas = MargeGauche = MargeDroite = 3 * PointsParUnite(kUniteMillimetres);
  NombreDeColonnes = NombreDeLignes = cas.divisions;
  LargeurDeColonnes = HauteurDeLignes = 0;
  GouttiereColonnes = GouttiereLignes = 2 * PointsParUnite(kUniteMillimetres);
  TousLesPlans = cas.tousLesPlans;
  ReperesVerrouilles = true;
  CreerReperesSelonObjetClique = false;
  NumeroDuPlan = 0;
  SonDefaut = false;
  DoitRedessiner = DoitEffacer = false;
}

int64_t NombreDeReperes(const Cas& cas) {
  return int64_t{cas.tousLesPlans ? cas.plans : 1} * (4 + 4 * (cas.divisions - 1));
}

void CompteParRepere(benchmark::State& state, const Cas& cas) {
  state.SetItemsProcessed(state.iterations() * NombreDeReperes(cas));
  state.counters["reperes"] = static_cast<double>(NombreDeReperes(cas));
}

// The host's part of a posted key: every key-down waiting makes the selected tool track the
// cursor where it last was, with no modifiers. Returns the last handler's code.
ASErr SertLesTouches(GuidesPlugIn& plugin) {
  ASErr erreur = kNoErr;
  kit::EventQueue& queue = kit::EventQueue::shared();
  while (const std::optional<kit::KeyEvent> touche = queue.next()) {
    if (!touche->keyDown) continue;
    AIEvent evenement{};
    AIToolMessage message{};
    message.cursor = kDernierePosition;
    message.event = &evenement;
    erreur = plugin.TrackToolCursor(&message);
  }
  return erreur;
}

void Redessin(benchmark::State& state, Cas cas) {
  Prepare(cas);
  GuidesPlugIn plugin(nullptr);
  AIEvent evenement{};
  AIToolMessage clic{};
  clic.cursor = kDernierePosition;
  clic.event = &evenement;
  if (plugin.ToolMouseDown(&clic) != kNoErr) state.SkipWithError("the first click failed");
  for (auto _ : state) {
    SimuleAppuiToucheFn();
    benchmark::DoNotOptimize(SertLesTouches(plugin));
  }
  if (DoitRedessiner) state.SkipWithError("a redraw was left pending");
  CompteParRepere(state, cas);
  LibereListesDeGuides();
  testhost::reset();
}

void Base(benchmark::State& state, Cas cas) {
  Prepare(cas);
  GroupeCree = false;
  CreationGroupe();
  const std::vector<GroupeAFaire> aFaire = GroupesDuCas(cas.tousLesPlans ? cas.plans : 1);
  std::vector<AIArtHandle> faits;
  TraceDirect(AHGroupe, aFaire, faits);
  for (auto _ : state) TraceDirect(AHGroupe, aFaire, faits);
  CompteParRepere(state, cas);
  testhost::reset();
}

// A click, then a redraw, each marked as a step of the host's history as after every event.
void CliqueEtRedessine(GuidesPlugIn& plugin) {
  AIEvent evenement{};
  AIToolMessage clic{};
  clic.cursor = kDernierePosition;
  clic.event = &evenement;
  plugin.ToolMouseDown(&clic);
  host::model().markStep();
  SimuleAppuiToucheFn();
  SertLesTouches(plugin);
  host::model().markStep();
}

void Enregistre(benchmark::State& state, Cas cas) {
  Prepare(cas);
  GuidesPlugIn plugin(nullptr);
  CliqueEtRedessine(plugin);
  for (auto _ : state) {
    SimuleAppuiToucheFn();
    SertLesTouches(plugin);
    host::model().markStep();
  }
  CompteParRepere(state, cas);
  LibereListesDeGuides();
  testhost::reset();
}

// Each iteration undoes the last redraw and redoes it; only one of the two is timed.
void UndoRedo(benchmark::State& state, Cas cas, bool annuler) {
  Prepare(cas);
  GuidesPlugIn plugin(nullptr);
  CliqueEtRedessine(plugin);
  host::Model& model = host::model();
  for (auto _ : state) {
    if (!annuler) state.PauseTiming();
    if (model.undo() != kNoErr) state.SkipWithError("nothing to undo");
    if (annuler) state.PauseTiming(); else state.ResumeTiming();
    if (model.redo() != kNoErr) state.SkipWithError("nothing to redo");
    if (annuler) state.ResumeTiming();
  }
  CompteParRepere(state, cas);
  LibereListesDeGuides();
  testhost::reset();
}

void Annuler(benchmark::State& state, Cas cas) { UndoRedo(state, cas, true); }
void Retablir(benchmark::State& state, Cas cas) { UndoRedo(state, cas, false); }

double MegaOctetsResidents() {
  std::ifstream statm("/proc/self/statm");
  double pages = 0, residentes = 0;
  statm >> pages >> residentes;
  return residentes * 4096 / 1e6;
}

// What a history of 100 steps holds on a 40,000-guide document: 100 rectangles (small
// changes to a large document), then 100 redraws (each one the whole layout again).
void MemoireDeLHistorique(benchmark::State& state) {
  for (auto _ : state) {
    Prepare(Cas{100, 100, true});
    GuidesPlugIn plugin(nullptr);
    CliqueEtRedessine(plugin);
    const double depart = MegaOctetsResidents();
    for (int k = 0; k < 100; ++k) {
      testhost::addRect(AIRealRect{-40, static_cast<float>(k), -30, static_cast<float>(k - 5)}, "R");
      host::model().markStep();
    }
    const double apresRectangles = MegaOctetsResidents();
    for (int k = 0; k < 100; ++k) {
      SimuleAppuiToucheFn();
      SertLesTouches(plugin);
      host::model().markStep();
    }
    state.counters["Mo_100_rectangles"] = apresRectangles - depart;
    state.counters["Mo_100_redessins"] = MegaOctetsResidents() - apresRectangles;
    LibereListesDeGuides();
    testhost::reset();
  }
}

// The document holds as many objects after a thousand round trips as after one.
void ObjetsApresRedessins(benchmark::State& state) {
  const Cas cas{3, 10, true};
  for (auto _ : state) {
    Prepare(cas);
    GuidesPlugIn plugin(nullptr);
    AIEvent evenement{};
    AIToolMessage clic{};
    clic.cursor = kDernierePosition;
    clic.event = &evenement;
    plugin.ToolMouseDown(&clic);
    SimuleAppuiToucheFn();
    SertLesTouches(plugin);
    const size_t apresUn = testhost::liveArtCount();
    for (int k = 0; k < 1000; ++k) {
      SimuleAppuiToucheFn();
      SertLesTouches(plugin);
    }
    state.counters["objets_apres_1"] = static_cast<double>(apresUn);
    state.counters["objets_apres_1000"] = static_cast<double>(testhost::liveArtCount());
  }
  LibereListesDeGuides();
  testhost::reset();
}

const Cas kDefaut{1, 2, false};
const Cas kTousLesPlans{100, 100, true};

BENCHMARK_CAPTURE(Redessin, Defaut, kDefaut);
BENCHMARK_CAPTURE(Base, Defaut, kDefaut);
BENCHMARK_CAPTURE(Redessin, TousLesPlans, kTousLesPlans)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Base, TousLesPlans, kTousLesPlans)->Unit(benchmark::kMillisecond);
BENCHMARK(ObjetsApresRedessins)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Enregistre, TousLesPlans, kTousLesPlans)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Annuler, TousLesPlans, kTousLesPlans)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Retablir, TousLesPlans, kTousLesPlans)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoireDeLHistorique)->Iterations(1)->Unit(benchmark::kMillisecond);

// After the usual table: Redessin/Base for each case.
void TableauDesRatios(const RapportDeRatios& rapport) {
  std::printf("\n%-14s %16s %14s %16s\n", "cas", "redessin ns/rep", "base ns/rep", "redessin/base");
  for (const char* cas : {"Defaut", "TousLesPlans"}) {
    const double redessin = rapport.Temps(std::string("Redessin/") + cas);
    const double base = rapport.Temps(std::string("Base/") + cas);
    if (redessin <= 0 || base <= 0) continue;
    std::printf("%-14s %16.1f %14.1f %16.3f\n", cas, redessin * 1e9, base * 1e9, redessin / base);
  }
  const double enregistre = rapport.Temps("Enregistre/TousLesPlans");
  if (enregistre <= 0) return;
  std::printf("\n%-24s %12s %18s\n", "TousLesPlans", "ns/rep", "/ Enregistre");
  for (const char* cas : {"Enregistre", "Annuler", "Retablir", "Redessin"}) {
    const double temps = rapport.Temps(std::string(cas) + "/TousLesPlans");
    if (temps > 0) std::printf("%-24s %12.1f %18.3f\n", cas, temps * 1e9, temps / enregistre);
  }
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("reperes", RapportDeRatios::Par::Compteur, TableauDesRatios);
  return LanceLesMesures(argc, argv, rapport);
}
