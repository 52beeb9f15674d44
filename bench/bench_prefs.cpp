// Storing a set in a large preferences file (about 20 MB of other plug-ins' values), as the
// host does it. "Stockage": the plug-in stores a set, its fourteen puts through the host's
// preference suite, then the host saves as it does before it goes back to its event loop.
// "Ecriture": the host writing the same file once, serialised then written atomically
// (temporary file, flush to the disk, rename). "Octets": the same bytes written atomically,
// with nothing to serialise. Wall times, since the writes wait on the disk; at the end
// Stockage/Ecriture and Stockage/Octets are printed, medians when the run has repetitions.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "AIPreference.h"
#include "EcritLitPrefs.h"
#include "GuideSet.h"
#include "GuidesSuites.h"
#include "RapportDeRatios.h"
#include "TestHost.h"
#include "model/FileWriting.h"
#include "model/PreferenceStore.h"
#include "model/Shell.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSections = 200;
constexpr int kClesParSection = 2000;

// A folder of the run's own on the disk, removed with everything in it when the program
// ends.
class DossierDuTour {
 public:
  DossierDuTour() {
    std::string modele = (fs::temp_directory_path() / "guides-bench-prefs-XXXXXX").string();
    if (::mkdtemp(modele.data())) chemin_ = modele;
  }
  ~DossierDuTour() {
    std::error_code ignore;
    if (!chemin_.empty()) fs::remove_all(chemin_, ignore);
  }
  const fs::path& Chemin() const { return chemin_; }

 private:
  fs::path chemin_;
};

const fs::path& Dossier() {
  static const DossierDuTour dossier;
  return dossier.Chemin();
}

// The host's store on a file holding the other values, written once; the plug-in's
// preference suite plugged.
host::PreferenceStore& Prepare() {
  testhost::reset();
  host::resetShell();
  host::PreferenceStore& store = host::shell().preferences;
  store.open(Dossier() / "prefs.json");
  for (int s = 0; s < kSections; ++s)
    for (int k = 0; k < kClesParSection; ++k)
      store.put("Autre" + std::to_string(s), "Cle" + std::to_string(k), (s * kClesParSection + k) / 7.0);
  store.save();
  sAIPreference = testhost::suite<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
  return store;
}

void CompteLesOctets(benchmark::State& state) {
  std::error_code erreur;
  state.counters["octets"] = static_cast<double>(fs::file_size(Dossier() / "prefs.json", erreur));
}

void Stockage(benchmark::State& state) {
  host::PreferenceStore& store = Prepare();
  std::snprintf(TitreSet, sizeof TitreSet, "%s", "Affiche A3 en 12 colonnes");
  UniteDuSet = kUniteMillimetres;
  MargeBas = MargeGauche = MargeDroite = 28.3464566929;
  NombreDeColonnes = 12;
  NombreDeLignes = 1;
  GouttiereColonnes = GouttiereLignes = 14.1732283465;
  int tour = 0;
  for (auto _ : state) {
    MargeHaut = 10 + (++tour % 1000);  // another set each time, as a user stores them
    AjouteSet(1);
    if (store.save() != host::PreferenceStore::Saving::Saved) state.SkipWithError(store.saveError().c_str());
  }
  CompteLesOctets(state);
}

void Ecriture(benchmark::State& state) {
  const host::PreferenceStore& store = Prepare();
  std::string raison;
  for (auto _ : state)
    if (!host::writeFileAtomically(store.target(), host::serialize(store.sections()), &raison))
      state.SkipWithError(raison.c_str());
  CompteLesOctets(state);
}

void Octets(benchmark::State& state) {
  const host::PreferenceStore& store = Prepare();
  const std::string texte = host::serialize(store.sections());
  std::string raison;
  for (auto _ : state)
    if (!host::writeFileAtomically(store.target(), texte, &raison)) state.SkipWithError(raison.c_str());
  CompteLesOctets(state);
}

BENCHMARK(Stockage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Ecriture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Octets)->Unit(benchmark::kMillisecond)->UseRealTime();

void TableauDesRatios(const RapportDeRatios& rapport) {
  const double stockage = rapport.Temps("Stockage/real_time");
  const double ecriture = rapport.Temps("Ecriture/real_time");
  const double octets = rapport.Temps("Octets/real_time");
  if (stockage <= 0 || ecriture <= 0 || octets <= 0) return;
  std::printf("\n%14s %14s %14s %18s %16s\n", "stockage ms", "ecriture ms", "octets ms", "stockage/ecriture",
              "stockage/octets");
  std::printf("%14.1f %14.1f %14.1f %18.3f %16.3f\n", stockage * 1e3, ecriture * 1e3, octets * 1e3,
              stockage / ecriture, stockage / octets);
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("octets", RapportDeRatios::Par::Iteration, TableauDesRatios,
                          RapportDeRatios::Mesure::Horloge);
  return LanceLesMesures(argc, argv, rapport);
}
