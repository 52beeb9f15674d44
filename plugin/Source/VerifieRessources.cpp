#include "VerifieRessources.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>

#include "GuidesSuites.h"
#include "IAIError.h"
#include "IAIUnicodeString.h"
#include "TextesAide.h"
#include "kit/Bundle.h"

namespace {

constexpr const char* kSons[] = {"Pop", "Bruit", "Tink"};
constexpr const char* kIcones[] = {"16051", "16052", "IconePanneauReduit"};
// Far above any icon or sound the plug-in ships: a larger file is not one of them.
constexpr size_t kTailleMaxIcone = 4u << 20;
constexpr size_t kTailleMaxSon = 16u << 20;

uint32_t Grand32(std::string_view octets, size_t position) {
  uint32_t valeur = 0;
  for (size_t i = 0; i < 4; ++i) valeur = valeur << 8 | static_cast<unsigned char>(octets[position + i]);
  return valeur;
}

// Only a regular file of a bounded size is read: a folder, a pipe or a device is no icon.
std::optional<std::string> LitFichierBorne(const std::string& chemin, size_t tailleMax) {
  struct stat etat {};
  if (chemin.empty() || ::stat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode) ||
      static_cast<uint64_t>(etat.st_size) > tailleMax)
    return std::nullopt;
  std::ifstream entree(chemin, std::ios::binary);
  std::string octets(static_cast<size_t>(etat.st_size), '\0');
  if (!entree.read(octets.data(), static_cast<std::streamsize>(octets.size()))) return std::nullopt;
  return octets;
}

}  // namespace

bool EstImagePng(std::string_view octets) {
  static constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
  static constexpr std::string_view kFin("\0\0\0\0IEND\xae\x42\x60\x82", 12);
  // Signature, the header chunk (length 13, type, width, height, five bytes, CRC), the end.
  if (octets.size() < 8 + 25 + kFin.size() || octets.substr(0, 8) != kSignature) return false;
  return Grand32(octets, 8) == 13 && octets.substr(12, 4) == "IHDR" && Grand32(octets, 16) > 0 &&
         Grand32(octets, 20) > 0 && octets.substr(octets.size() - kFin.size()) == kFin;
}

bool EstSonAiff(const std::string& chemin) {
  const std::optional<std::string> octets = LitFichierBorne(chemin, kTailleMaxSon);
  return octets && octets->size() >= 12 && octets->compare(0, 4, "FORM") == 0 &&
         octets->compare(8, 4, "AIFF") == 0 && uint64_t{Grand32(*octets, 4)} + 8 == octets->size();
}

std::vector<std::string> RessourcesAbimees() {
  std::vector<std::string> abimees;
  const std::optional<kit::Bundle> module =
      kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&RessourcesAbimees));
  for (const char* son : kSons) {
    const std::string chemin = module ? module->pathForResource(son, "aiff") : std::string();
    if (!EstSonAiff(chemin)) abimees.push_back(std::string(son) + ".aiff");
  }
  for (const char* icone : kIcones) {
    const std::string chemin = module ? module->pathForResource(icone, "png") : std::string();
    const std::optional<std::string> octets = LitFichierBorne(chemin, kTailleMaxIcone);
    if (!octets || !EstImagePng(*octets)) abimees.push_back(std::string(icone) + ".png");
  }
  for (int page = 1; page <= kNombrePagesAide; ++page) {
    // snprintf rather than std::to_string, whose digit table the module would export.
    char nom[24];
    std::snprintf(nom, sizeof nom, "Aide/page%02d.txt", page);
    if (TexteDePageAide(page).empty()) abimees.push_back(nom);
  }
  return abimees;
}

void SignaleRessourcesAbimees() {
  const std::vector<std::string> abimees = RessourcesAbimees();
  if (abimees.empty() || !sAIUser) return;
  std::string texte = "Des fichiers de Ralto-Guides manquent ou sont abîmés :\r";
  for (size_t i = 0; i < abimees.size(); ++i) texte += (i ? ", " : "") + abimees[i];
  texte += ".";
  // The alert is the report; without it the plug-in still goes on.
  CallGuarded([&] { return sAIUser->MessageAlert(ai::UnicodeString(texte.c_str()).ref()); });
}
