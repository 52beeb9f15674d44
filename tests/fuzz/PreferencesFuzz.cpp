// A preferences file of any content, read by the host's store and then by the plug-in.
// A file the store understands reads back whole and its JSON round-trips; any other file
// is kept aside byte for byte and the store starts empty. Then the plug-in reads its
// options and sets, appends a set (titled with whatever bytes the input starts with) and
// deletes one: it never sees more than eight sets, a set is stored whole, titles stay
// whole UTF-8 characters within their buffer, and the file written leaves the one read
// beside it byte for byte and reads back, in the next run, as the store holds it.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "AIPreference.h"
#include "EcritLitPrefs.h"
#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"
#include "VerifieFuzz.h"
#include "model/FileWriting.h"
#include "model/PreferenceStore.h"
#include "model/Shell.h"
#include "model/StringTable.h"
#include "suites/SuiteRegistry.h"

namespace fs = std::filesystem;

namespace {

// One folder for the whole run, in memory when the machine has a RAM disk: every input
// writes the file and its copy.
const fs::path& Dossier() {
  static const fs::path dossier = [] {
    std::error_code erreur;
    fs::path base = fs::is_directory("/dev/shm", erreur) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string modele = (base / "guides-fuzz-prefs-XXXXXX").string();
    VERIFIE(::mkdtemp(modele.data()) != nullptr, "cannot make a folder in %s", base.c_str());
    const fs::path fait(modele);
    std::atexit([] { std::error_code e; fs::remove_all(Dossier(), e); });
    return fait;
  }();
  return dossier;
}

void Vide(const fs::path& dossier) {
  for (const auto& entree : fs::directory_iterator(dossier)) fs::remove_all(entree.path());
}

std::string Lit(const fs::path& fichier) {
  std::string texte;
  VERIFIE(host::readFile(fichier, &texte), "cannot read %s", fichier.c_str());
  return texte;
}

void VerifieLecture(const fs::path& fichier, std::string_view octets, const host::PreferenceStore::Report& rapport) {
  host::PreferenceStore::Sections attendues;
  std::string raison;
  if (host::parse(octets, &attendues, &raison)) {
    VERIFIE(rapport.problem.empty(), "a readable file was reported: %s", rapport.problem.c_str());
    VERIFIE(host::shell().preferences.sections() == attendues, "the store does not hold what the file says");
    host::PreferenceStore::Sections relues;
    VERIFIE(host::parse(host::serialize(attendues), &relues, &raison) && relues == attendues,
            "the file written for what was read does not read back: %s", raison.c_str());
    return;
  }
  VERIFIE(!rapport.problem.empty(), "a damaged file (%s) was not reported", raison.c_str());
  VERIFIE(host::shell().preferences.sections().empty(), "a damaged file left values in the store");
  VERIFIE(!fs::exists(fichier), "a damaged file stayed in place");
  fs::path aside = fichier;
  aside += ".damaged";
  VERIFIE(Lit(aside) == octets, "the damaged file was not kept as it was");
}

void VerifieTitres() {
  const auto titres = LitTitresDesSets();
  VERIFIE(titres.size() <= static_cast<size_t>(kNombreMaxSets), "%zu sets listed", titres.size());
  for (const std::string& titre : titres) {
    VERIFIE(titre.size() < kTailleTitreSet, "a title of %zu bytes", titre.size());
    VERIFIE(host::isValidUtf8(titre), "a title cut inside a character");
  }
}

// Every key of set k is in the store: no put of the record was refused.
void VerifieSetEntier(int32_t k) {
  static const char* const kLettres[] = {"TI", "MH", "MB", "MG", "MD", "NC", "NL",
                                         "LC", "HL", "GC", "GL", "CD", "NS"};
  for (const char* lettres : kLettres) {
    const std::string cle = lettres + std::to_string(k);
    VERIFIE(host::shell().preferences.find(kSectionPrefs, cle) != nullptr, "set %d was stored without %s", k,
            cle.c_str());
  }
}

// What the panel does with the sets: show each, add one titled with the input's first
// bytes (whatever they are), delete the first.
void UtiliseLesSets(std::string_view titre) {
  const int32_t nombre = LitNombreDeSets();
  VERIFIE(nombre >= 0 && nombre <= kNombreMaxSets, "count %d", nombre);
  for (int32_t k = 1; k <= kNombreMaxSets; ++k) {
    VERIFIE(LitSet(k) == kNoErr, "set %d not read", k);
    VERIFIE(LitCadenasDuSet(k) == kNoErr, "lock of set %d not read", k);
  }
  int32_t attendu = nombre;
  if (nombre < kNombreMaxSets) {
    titre = titre.substr(0, std::min(titre.size(), kTailleTitreSet - 1));
    titre = titre.substr(0, titre.find('\0'));
    titre.copy(TitreSet, titre.size());
    TitreSet[titre.size()] = '\0';
    UniteDuSet = kUniteMillimetres;
    VERIFIE(AjouteSet(nombre + 1) == kNoErr, "set %d not added", nombre + 1);
    attendu = nombre + 1;
    VERIFIE(LitNombreDeSets() == attendu, "count %d after adding set %d", LitNombreDeSets(), attendu);
    VerifieSetEntier(attendu);
    if (host::isValidUtf8(titre))
      VERIFIE(LitTitresDesSets().back() == titre, "the added title does not read back");
  }
  if (attendu >= 1) {
    VERIFIE(SupprimeSet(1) == kNoErr, "set 1 of %d not deleted", attendu);
    VERIFIE(LitNombreDeSets() == attendu - 1, "count %d after deleting one of %d", LitNombreDeSets(), attendu);
  }
  VerifieTitres();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const fs::path dossier = Dossier();
  Vide(dossier);
  const fs::path fichier = dossier / "prefs.json";
  std::ofstream(fichier, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));

  host::resetShell();
  host::PreferenceStore& store = host::shell().preferences;
  VerifieLecture(fichier, octets, store.open(fichier));

  sAIPreference = static_cast<const AIPreferenceSuite*>(host::findSuite(kAIPreferenceSuite, kAIPreferenceSuiteVersion));
  VERIFIE(sAIPreference != nullptr, "no preference suite");
  SonDefaut = TousLesPlans = OutilsGroupe = false;
  ReperesVerrouilles = true;
  LitPrefs();
  VerifieTitres();
  UtiliseLesSets(octets);

  // The file is written once for everything stored, and the file read is kept beside it.
  const auto ecriture = store.save();
  VERIFIE(ecriture != host::PreferenceStore::Saving::Failed, "the file was not written: %s", store.saveError().c_str());
  host::PreferenceStore::Sections lues;
  std::string raison;
  if (ecriture == host::PreferenceStore::Saving::Saved && host::parse(octets, &lues, &raison)) {
    fs::path copie = fichier;
    copie += ".bak";
    VERIFIE(Lit(copie) == octets, "the file read was not kept as it was");
  }

  // The next run reads exactly what this one holds.
  host::PreferenceStore suivant;
  const auto rapport = suivant.open(fichier);
  VERIFIE(rapport.problem.empty(), "the file written is not readable: %s", rapport.problem.c_str());
  VERIFIE(suivant.sections() == store.sections(), "the next run does not read what was stored");
  sAIPreference = nullptr;
  return 0;
}
