// Tracing speed through the simulated host. Each case runs twice: "Traceur" through the
// plug-in's dispatchers, "Base" making the same groups and guide paths directly through the
// same suites from precomputed segments. At the end the ratios Traceur/Base and the time per
// guide of each case relative to the smallest are printed, from CPU time (the machine is
// shared), using the medians when the run has repetitions.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BaseDeTrace.h"
#include "GeometrieReperes.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "GuidesTraces.h"
#include "OutilGuides.h"
#include "RapportDeRatios.h"
#include "SuitesDuTraceur.h"
#include "TestHost.h"
#include "Utilitaires.h"

namespace {

struct Cas {
  int plans;
  int divisions;  // columns and rows
};

// A fresh document with the set of the case: the default set's margins and gutters, with
// `divisions` columns and rows on every artboard.
void Prepare(const Cas& cas) {
  testhost::reset();
  testhost::plugTracerSuites();
  LibereListesDeGuides();
  AHGroupe = nullptr;
  testhost::newDocument(595, 842, cas.plans);
  MargeHaut = MargeBas = MargeGauche = MargeDroite = 3 * PointsParUnite(kUniteMillimetres);
  NombreDeColonnes = NombreDeLignes = cas.divisions;
  LargeurDeColonnes = HauteurDeLignes = 0;
  GouttiereColonnes = GouttiereLignes = 2 * PointsParUnite(kUniteMillimetres);
  TousLesPlans = true;
  ReperesVerrouilles = true;
  SonDefaut = false;
  CreerReperesSelonObjetClique = false;
  NumeroDuPlan = 0;
}

// The tool's own redraw and click, far from every object.
AIErr Redessine() { return TraceLesSixSortes(); }

void Clic() {
  AIToolMessage message{};
  message.cursor = {-10000, -10000};
  CliqueOutil(message);
}

int64_t NombreDeReperes(const Cas& cas) { return int64_t{cas.plans} * (4 + 4 * (cas.divisions - 1)); }

void CompteParRepere(benchmark::State& state, const Cas& cas) {
  state.SetItemsProcessed(state.iterations() * NombreDeReperes(cas));
  state.counters["reperes"] = static_cast<double>(NombreDeReperes(cas));
}

void Traceur(benchmark::State& state, Cas cas) {
  Prepare(cas);
  Clic();
  for (auto _ : state) benchmark::DoNotOptimize(Redessine());
  CompteParRepere(state, cas);
  LibereListesDeGuides();
  testhost::reset();
}

// The baseline: the same art made directly through the same suites (BaseDeTrace.h).
void Base(benchmark::State& state, Cas cas) {
  Prepare(cas);
  GroupeCree = false;
  CreationGroupe();
  const std::vector<GroupeAFaire> aFaire = GroupesDuCas(cas.plans);
  std::vector<AIArtHandle> faits;
  TraceDirect(AHGroupe, aFaire, faits);
  for (auto _ : state) TraceDirect(AHGroupe, aFaire, faits);
  CompteParRepere(state, cas);
  testhost::reset();
}

// The document holds as many objects after a thousand re-traces as after one.
void ObjetsApresRetraces(benchmark::State& state) {
  const Cas cas{3, 10};
  for (auto _ : state) {
    Prepare(cas);
    Clic();
    const size_t apresUn = testhost::liveArtCount();
    for (int k = 0; k < 1000; ++k) Redessine();
    state.counters["objets_apres_1"] = static_cast<double>(apresUn);
    state.counters["objets_apres_1000"] = static_cast<double>(testhost::liveArtCount());
  }
  LibereListesDeGuides();
  testhost::reset();
}

const Cas kDefaut{1, 2};
const Cas kMoyen{10, 10};
const Cas kGrand{100, 100};

BENCHMARK_CAPTURE(Traceur, Defaut, kDefaut);
BENCHMARK_CAPTURE(Base, Defaut, kDefaut);
BENCHMARK_CAPTURE(Traceur, Moyen, kMoyen);
BENCHMARK_CAPTURE(Base, Moyen, kMoyen);
BENCHMARK_CAPTURE(Traceur, Grand, kGrand)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Base, Grand, kGrand)->Unit(benchmark::kMillisecond);
BENCHMARK(ObjetsApresRetraces)->Iterations(1)->Unit(benchmark::kMillisecond);

// After the usual table: Traceur/Base for each case and the time per guide of each case
// relative to the smallest one.
void TableauDesRatios(const RapportDeRatios& rapport) {
  std::printf("\n%-8s %14s %14s %16s %18s\n", "cas", "traceur ns/rep", "base ns/rep", "traceur/base",
              "ns/rep vs Defaut");
  const double reference = rapport.Temps("Traceur/Defaut");
  for (const char* cas : {"Defaut", "Moyen", "Grand"}) {
    const double traceur = rapport.Temps(std::string("Traceur/") + cas);
    const double base = rapport.Temps(std::string("Base/") + cas);
    if (traceur <= 0 || base <= 0) continue;
    std::printf("%-8s %14.1f %14.1f %16.3f %18.3f\n", cas, traceur * 1e9, base * 1e9, traceur / base,
                reference > 0 ? traceur / reference : 0.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("reperes", RapportDeRatios::Par::Compteur, TableauDesRatios);
  return LanceLesMesures(argc, argv, rapport);
}
