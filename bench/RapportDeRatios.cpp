#include "RapportDeRatios.h"

#include <utility>

RapportDeRatios::RapportDeRatios(std::string compteur, Par par, Tableau tableau, Mesure mesure)
    : compteur_(std::move(compteur)), par_(par), tableau_(std::move(tableau)), mesure_(mesure) {}

double RapportDeRatios::Temps(const std::string& nom) const {
  const auto trouve = temps_.find(nom);
  return trouve == temps_.end() ? 0.0 : trouve->second;
}

void RapportDeRatios::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    const auto compteur = run.counters.find(compteur_);
    if (compteur == run.counters.end() || run.iterations == 0) continue;
    // With repetitions the median wins over the single runs.
    const bool mediane = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type != Run::RT_Iteration && !mediane) continue;
    const std::string nom = run.run_name.str();
    if (!mediane && medianes_.count(nom) != 0) continue;
    if (mediane) medianes_.insert(nom);
    const double cumul = mesure_ == Mesure::Horloge ? run.real_accumulated_time : run.cpu_accumulated_time;
    double temps = cumul / static_cast<double>(run.iterations);
    if (par_ == Par::Compteur) temps /= compteur->second;
    temps_[nom] = temps;
  }
  ConsoleReporter::ReportRuns(runs);
}

void RapportDeRatios::Finalize() {
  ConsoleReporter::Finalize();
  if (tableau_) tableau_(*this);
}

int LanceLesMesures(int argc, char** argv, RapportDeRatios& rapport) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(&rapport);
  benchmark::Shutdown();
  return 0;
}
