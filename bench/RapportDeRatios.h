// The reporter every benchmark program shares: the usual console table, then the program's
// table of ratios against the baseline measured in the same run. Times are CPU times (the
// machine is shared), or wall times for cases that wait on the disk, per iteration or per
// unit of a counter (per guide), and with repetitions the median stands for its case.
#ifndef GUIDES_BENCH_RAPPORTDERATIOS_H
#define GUIDES_BENCH_RAPPORTDERATIOS_H

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class RapportDeRatios : public benchmark::ConsoleReporter {
 public:
  enum class Par { Iteration, Compteur };
  enum class Mesure { Processeur, Horloge };
  using Tableau = std::function<void(const RapportDeRatios&)>;

  // Only the runs that report `compteur` are measured; `par` says whether their time is
  // divided by its value. `tableau` prints the ratios once every case has run.
  RapportDeRatios(std::string compteur, Par par, Tableau tableau, Mesure mesure = Mesure::Processeur);

  // The seconds of a case ("Traceur/Defaut"), 0 when it did not run.
  double Temps(const std::string& nom) const;

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::string compteur_;
  Par par_;
  Tableau tableau_;
  Mesure mesure_;
  std::map<std::string, double> temps_;
  std::set<std::string> medianes_;
};

// A program's main: runs its benchmarks with the reporter.
int LanceLesMesures(int argc, char** argv, RapportDeRatios& rapport);

#endif
