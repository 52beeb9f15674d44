// Opening and saving SVG files as the host does. "Ouverture/N": reading a generated file of
// N rectangles in a layer (Inkscape's way of writing them: an id and a style each), per
// object; the cost per object should stay the same from 1,000 to 100,000. "Enregistrement":
// saving 100 guides and a layer of 100 guide paths into the file of 100,000 rectangles, to
// the disk; "Copie": copying that file on the disk, the least a save can cost.
// "EnMemoire" and "CopieEnMemoire": the same without the disk. "Document/N" opens the
// file as the host does, its objects made art of a document, per object; "Sauvegarde" saves
// that document as `document save` does (a temporary file written and flushed to the disk,
// then renamed), against "CopieSure", a copy flushed to the disk the same way. Times per
// object of the file; wall times for the cases on the disk.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "RapportDeRatios.h"
#include "files/DocumentFiles.h"
#include "model/FileWriting.h"
#include "model/Model.h"
#include "svg/SvgReading.h"
#include "svg/SvgWriting.h"

namespace {

namespace fs = std::filesystem;

std::string Fichier(int rectangles) {
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
      "     width=\"210mm\" height=\"297mm\" viewBox=\"0 0 210 297\">\n"
      "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Calque 1\" id=\"layer1\">\n";
  for (int i = 0; i < rectangles; ++i) {
    svg += "    <rect id=\"rect" + std::to_string(i) + "\" x=\"" + std::to_string(i % 200) + "\" y=\"" +
           std::to_string(i / 200 % 290) + ".5\" width=\"0.8\" height=\"0.6\" style=\"fill:#1a5fb4;stroke:none\" />\n";
  }
  return svg + "  </g>\n</svg>\n";
}

const std::string& FichierDe(int rectangles) {
  static std::string fichiers[3];
  std::string& fichier = fichiers[rectangles == 1000 ? 0 : rectangles == 10000 ? 1 : 2];
  if (fichier.empty()) fichier = Fichier(rectangles);
  return fichier;
}

void Ouverture(benchmark::State& state) {
  const int rectangles = static_cast<int>(state.range(0));
  const std::string& fichier = FichierDe(rectangles);
  for (auto _ : state) {
    host::svg::SvgDocument document;
    std::string raison;
    if (!host::svg::readSvg(fichier, {}, &document, &raison)) state.SkipWithError(raison.c_str());
    benchmark::DoNotOptimize(document.layers.data());
  }
  state.counters["objets"] = rectangles;
}

host::svg::SaveContent Travail() {
  host::svg::SaveContent content;
  host::svg::Layer layer;
  layer.title = "Calque des guides";
  layer.writtenByHost = true;
  for (int i = 0; i < 100; ++i) {
    const double x = 10 + i * 5.5;
    content.guides.push_back({{x, 0}, {0, 1}, ""});
    host::svg::Object path;
    path.kind = host::svg::Object::Kind::Path;
    path.guide = true;
    path.segments = {{{x, -100}, {x, -100}, {x, -100}}, {{x, 900}, {x, 900}, {x, 900}}};
    layer.objects.push_back(path);
  }
  content.layers.push_back(layer);
  return content;
}

const fs::path& Dossier() {
  static const fs::path dossier = [] {
    const fs::path chemin = fs::temp_directory_path() / ("guides-bench-svg-" + std::to_string(::getpid()));
    fs::create_directories(chemin);
    std::ofstream(chemin / "lu.svg", std::ios::binary) << FichierDe(100000);
    std::atexit([] {
      std::error_code ignore;
      fs::remove_all(Dossier(), ignore);
    });
    return chemin;
  }();
  return dossier;
}

void EnMemoire(benchmark::State& state) {
  host::svg::SvgDocument document;
  std::string raison;
  host::svg::readSvg(FichierDe(100000), {}, &document, &raison);
  const host::svg::SaveContent travail = Travail();
  for (auto _ : state) {
    std::string ecrit = host::svg::writeBack(document, travail);
    benchmark::DoNotOptimize(ecrit.data());
  }
  state.counters["objets"] = 100000;
}

void CopieEnMemoire(benchmark::State& state) {
  const std::string& fichier = FichierDe(100000);
  for (auto _ : state) {
    std::string copie = fichier;
    benchmark::DoNotOptimize(copie.data());
  }
  state.counters["objets"] = 100000;
}

void Enregistrement(benchmark::State& state) {
  host::svg::SvgDocument document;
  std::string raison;
  host::svg::readSvgFile(Dossier() / "lu.svg", &document, &raison);
  const host::svg::SaveContent travail = Travail();
  for (auto _ : state) {
    std::ofstream(Dossier() / "enregistre.svg", std::ios::binary) << host::svg::writeBack(document, travail);
  }
  state.counters["objets"] = 100000;
}

void Copie(benchmark::State& state) {
  for (auto _ : state) {
    fs::copy_file(Dossier() / "lu.svg", Dossier() / "copie.svg", fs::copy_options::overwrite_existing);
  }
  state.counters["objets"] = 100000;
}

void Document(benchmark::State& state) {
  const int rectangles = static_cast<int>(state.range(0));
  const std::string& fichier = FichierDe(rectangles);
  for (auto _ : state) {
    std::string raison;
    if (!host::openDocumentBytes(fichier, "lu.svg", &raison)) state.SkipWithError(raison.c_str());
    state.PauseTiming();
    host::model().closeDocument(host::model().documentCount() - 1);
    state.ResumeTiming();
  }
  state.counters["objets"] = rectangles;
}

void Sauvegarde(benchmark::State& state) {
  std::string raison;
  host::openDocumentBytes(FichierDe(100000), "lu.svg", &raison);
  for (auto _ : state)
    if (!host::saveDocumentFile(Dossier() / "sauve.svg", &raison)) state.SkipWithError(raison.c_str());
  host::model().closeDocument(host::model().documentCount() - 1);
  state.counters["objets"] = 100000;
}

void CopieSure(benchmark::State& state) {
  std::string octets, raison;
  for (auto _ : state) {
    host::readFile(Dossier() / "lu.svg", &octets);
    if (!host::writeFileAtomically(Dossier() / "copie-sure.svg", octets, &raison)) state.SkipWithError(raison.c_str());
  }
  state.counters["objets"] = 100000;
}

BENCHMARK(Document)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Sauvegarde)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CopieSure)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Ouverture)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(EnMemoire)->Unit(benchmark::kMillisecond);
BENCHMARK(CopieEnMemoire)->Unit(benchmark::kMillisecond);
BENCHMARK(Enregistrement)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Copie)->Unit(benchmark::kMillisecond)->UseRealTime();

// One line of the cost per object of opening files of 1,000, 10,000 and 100,000 objects.
void LigneDOuverture(const RapportDeRatios& rapport, const char* nom, const std::string& cas) {
  const double mille = rapport.Temps(cas + "/1000"), dixMille = rapport.Temps(cas + "/10000");
  const double centMille = rapport.Temps(cas + "/100000");
  const double plus = std::max({mille, dixMille, centMille}), moins = std::min({mille, dixMille, centMille});
  std::printf("%-20s %16.3f %16.3f %16.3f %12.3f\n", nom, mille * 1e6, dixMille * 1e6, centMille * 1e6,
              moins > 0 ? plus / moins : 0);
}

void TableauDesRatios(const RapportDeRatios& rapport) {
  std::printf("\n%-20s %16s %16s %16s %12s\n", "ouvrir", "1000 us/objet", "10000 us/objet", "100000 us/objet",
              "max/min");
  LigneDOuverture(rapport, "le fichier lu", "Ouverture");
  LigneDOuverture(rapport, "en document", "Document");
  const auto ligne = [&](const char* nom, const std::string& cas, const std::string& base) {
    const double t = rapport.Temps(cas), b = rapport.Temps(base);
    std::printf("%-24s %12.3f %12.3f %10.3f\n", nom, t * 1e5 * 1e3, b * 1e5 * 1e3, b > 0 ? t / b : 0);
  };
  std::printf("\n%-24s %12s %12s %10s\n", "100000 objets", "sauver ms", "copier ms", "rapport");
  ligne("sur le disque", "Enregistrement/real_time", "Copie/real_time");
  ligne("en memoire", "EnMemoire", "CopieEnMemoire");
  ligne("document, sur disque", "Sauvegarde/real_time", "CopieSure/real_time");
}

}  // namespace

int main(int argc, char** argv) {
  RapportDeRatios rapport("objets", RapportDeRatios::Par::Compteur, TableauDesRatios);
  return LanceLesMesures(argc, argv, rapport);
}
