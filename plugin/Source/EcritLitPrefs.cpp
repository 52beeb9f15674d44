#include "EcritLitPrefs.h"

#include <string_view>

#include "GuideSet.h"
#include "GuidesOutil.h"
#include "GuidesSuites.h"

namespace {

// A set's key: the field's two letters and the digit of the set. Only sets 1 to 8 have
// keys, so the digit is always one character.
struct Cle {
  char texte[4];
};

Cle CleDuSet(const char* lettres, int32_t k) {
  return Cle{{lettres[0], lettres[1], static_cast<char>('0' + k), '\0'}};
}

bool NumeroValide(int32_t k) { return k >= 1 && k <= kNombreMaxSets; }

// A read that fails leaves the destination as it was.
AIErr LitBooleen(const char* cle, bool& valeur) {
  AIBoolean lu = valeur;
  AIErr erreur = sAIPreference->GetBooleanPreference(kSectionPrefs, cle, &lu);
  if (erreur == kNoErr) valeur = lu != 0;
  return erreur;
}

void EcritBooleen(const char* cle, bool valeur) { sAIPreference->PutBooleanPreference(kSectionPrefs, cle, valeur); }

// The title buffer is given with its size; the host cuts a longer text to fit.
AIErr LitTitre(const char* cle, char* titre, size_t taille) {
  AIErr erreur = sAIPreference->GetStringPreference(kSectionPrefs, cle, titre, taille);
  titre[taille - 1] = '\0';
  return erreur;
}

enum class Genre { Texte, Reel, Entier, Booleen };

struct Champ {
  const char* lettres;
  Genre genre;
};

// The keys of a set record, in the order in which a record is written and copied.
constexpr Champ kChampsDuSet[] = {
    {"TI", Genre::Texte},  {"MH", Genre::Reel},   {"MB", Genre::Reel},   {"MG", Genre::Reel}, {"MD", Genre::Reel},
    {"NC", Genre::Entier}, {"NL", Genre::Entier}, {"LC", Genre::Reel},   {"HL", Genre::Reel}, {"GC", Genre::Reel},
    {"GL", Genre::Reel},   {"CD", Genre::Booleen}, {"NS", Genre::Entier},
};

// Copies one key of set `de` to set `vers` with the getter and setter of its kind; a key
// that cannot be read is not copied.
void CopieChamp(const Champ& champ, int32_t de, int32_t vers) {
  const Cle source = CleDuSet(champ.lettres, de);
  const Cle cible = CleDuSet(champ.lettres, vers);
  const AIPreferenceSuite& prefs = *sAIPreference;
  switch (champ.genre) {
    case Genre::Texte: {
      char titre[kTailleTitreSet] = {};
      if (LitTitre(source.texte, titre, sizeof titre) == kNoErr)
        prefs.PutStringPreference(kSectionPrefs, cible.texte, titre);
      break;
    }
    case Genre::Reel: {
      double valeur = 0;
      if (prefs.GetRealPreference(kSectionPrefs, source.texte, &valeur) == kNoErr)
        prefs.PutRealPreference(kSectionPrefs, cible.texte, valeur);
      break;
    }
    case Genre::Entier: {
      int32_t valeur = 0;
      if (prefs.GetIntegerPreference(kSectionPrefs, source.texte, &valeur) == kNoErr)
        prefs.PutIntegerPreference(kSectionPrefs, cible.texte, valeur);
      break;
    }
    case Genre::Booleen: {
      AIBoolean valeur = 0;
      if (prefs.GetBooleanPreference(kSectionPrefs, source.texte, &valeur) == kNoErr)
        prefs.PutBooleanPreference(kSectionPrefs, cible.texte, valeur);
      break;
    }
  }
}

// Whether every key of set k is stored, each with the type of its field.
bool SetComplet(int32_t k) {
  const AIPreferenceSuite& prefs = *sAIPreference;
  for (const Champ& champ : kChampsDuSet) {
    const Cle cle = CleDuSet(champ.lettres, k);
    AIErr erreur = kNoErr;
    switch (champ.genre) {
      case Genre::Texte: {
        char titre[kTailleTitreSet] = {};
        erreur = LitTitre(cle.texte, titre, sizeof titre);
        break;
      }
      case Genre::Reel: {
        double valeur = 0;
        erreur = prefs.GetRealPreference(kSectionPrefs, cle.texte, &valeur);
        break;
      }
      case Genre::Entier: {
        int32_t valeur = 0;
        erreur = prefs.GetIntegerPreference(kSectionPrefs, cle.texte, &valeur);
        break;
      }
      case Genre::Booleen: {
        AIBoolean valeur = 0;
        erreur = prefs.GetBooleanPreference(kSectionPrefs, cle.texte, &valeur);
        break;
      }
    }
    if (erreur != kNoErr) return false;
  }
  return true;
}

// The stored count, when it is an integer from 0 to 8.
bool NombreFiable(int32_t& nombre) {
  const AIErr erreur = sAIPreference->GetIntegerPreference(kSectionPrefs, "NbrSets", &nombre);
  return erreur == kNoErr && nombre >= 0 && nombre <= kNombreMaxSets;
}

int32_t NombreDeSetsComplets() {
  int32_t complets = 0;
  while (complets < kNombreMaxSets && SetComplet(complets + 1)) ++complets;
  return complets;
}

// The length of the well-formed UTF-8 character at the start of `texte`, or 0 for a byte
// that starts none (a stray continuation, an overlong form, a surrogate, past U+10FFFF, or
// a character cut short).
size_t CaractereUtf8(std::string_view texte) {
  const auto octet = [&](size_t i) { return static_cast<unsigned char>(texte[i]); };
  const unsigned char tete = octet(0);
  if (tete < 0x80) return 1;
  // The second byte's range rules out overlong forms, surrogates and points past U+10FFFF.
  size_t longueur = 0;
  unsigned char min2 = 0x80, max2 = 0xBF;
  if (tete >= 0xC2 && tete <= 0xDF) {
    longueur = 2;
  } else if (tete >= 0xE0 && tete <= 0xEF) {
    longueur = 3;
    if (tete == 0xE0) min2 = 0xA0;
    if (tete == 0xED) max2 = 0x9F;
  } else if (tete >= 0xF0 && tete <= 0xF4) {
    longueur = 4;
    if (tete == 0xF0) min2 = 0x90;
    if (tete == 0xF4) max2 = 0x8F;
  }
  if (longueur == 0 || texte.size() < longueur || octet(1) < min2 || octet(1) > max2) return 0;
  for (size_t i = 2; i < longueur; ++i)
    if ((octet(i) & 0xC0) != 0x80) return 0;
  return longueur;
}

// The host stores only UTF-8 texts: a title holding other bytes (pasted from elsewhere)
// is stored with U+FFFD in place of each of them, so that the record is written whole.
std::string TitreUtf8(std::string_view titre) {
  std::string propre;
  while (!titre.empty()) {
    const size_t longueur = CaractereUtf8(titre);
    if (longueur == 0) {
      propre += "\xEF\xBF\xBD";
      titre.remove_prefix(1);
    } else {
      propre.append(titre.substr(0, longueur));
      titre.remove_prefix(longueur);
    }
  }
  return propre;
}

void LitReel(const char* lettres, int32_t k, double& valeur) {
  sAIPreference->GetRealPreference(kSectionPrefs, CleDuSet(lettres, k).texte, &valeur);
}

void LitEntier(const char* lettres, int32_t k, int32_t& valeur) {
  sAIPreference->GetIntegerPreference(kSectionPrefs, CleDuSet(lettres, k).texte, &valeur);
}

void EcritReel(const char* lettres, int32_t k, double valeur) {
  sAIPreference->PutRealPreference(kSectionPrefs, CleDuSet(lettres, k).texte, valeur);
}

void EcritEntier(const char* lettres, int32_t k, int32_t valeur) {
  sAIPreference->PutIntegerPreference(kSectionPrefs, CleDuSet(lettres, k).texte, valeur);
}

}  // namespace

// ---- Options ------------------------------------------------------------------------------

void EcritPrefs() {
  if (!sAIPreference) return;
  OutilsGroupe = false;
  SonDefaut = true;
  TousLesPlans = false;
  ReperesVerrouilles = true;
  EcritBooleen("PanneauVisible", true);
  EcritBooleen("OutilsGroupe", OutilsGroupe);
  EcritBooleen("Son", SonDefaut);
  EcritBooleen("TousPlans", TousLesPlans);
  EcritBooleen("Verrouille", ReperesVerrouilles);
  // A first launch has no set; a file whose count cannot be trusted keeps its records.
  int32_t stocke = 0;
  const int32_t nombre = NombreFiable(stocke) ? 0 : NombreDeSetsComplets();
  sAIPreference->PutIntegerPreference(kSectionPrefs, "NbrSets", nombre);
  EcritBooleen("kADM_DPVisibleStr", true);
}

// "Son" has no preset: a file without it leaves the sound as the process started it.
void LitPrefs() {
  if (!sAIPreference) return;
  if (LitBooleen("TousPlans", TousLesPlans) != kNoErr) {
    EcritPrefs();
    return;
  }
  OutilsGroupe = false;
  LitBooleen("OutilsGroupe", OutilsGroupe);
  LitBooleen("Son", SonDefaut);
  TousLesPlans = false;
  LitBooleen("TousPlans", TousLesPlans);
  ReperesVerrouilles = true;
  LitBooleen("Verrouille", ReperesVerrouilles);
}

// ---- User sets ----------------------------------------------------------------------------

// A count that cannot be trusted (absent, of another type, outside 0 to 8) gives way to
// the records themselves: the complete ones from set 1 up, at most 8. So no stored set is
// hidden, the next one stored comes after them, and no key is ever formed from anything
// but a digit.
int32_t LitNombreDeSets() {
  if (!sAIPreference) return 0;
  int32_t nombre = 0;
  return NombreFiable(nombre) ? nombre : NombreDeSetsComplets();
}

std::vector<std::string> LitTitresDesSets() {
  std::vector<std::string> titres;
  const int32_t nombre = LitNombreDeSets();
  for (int32_t i = 1; i <= nombre; ++i) {
    char titre[kTailleTitreSet] = {};
    LitTitre(CleDuSet("TI", i).texte, titre, sizeof titre);
    titres.emplace_back(titre);
  }
  return titres;
}

AIErr LitSet(int32_t k) {
  if (!sAIPreference || !NumeroValide(k)) return kBadParameterErr;
  int32_t unite = UniteDuSet;
  LitEntier("NS", k, unite);
  UniteDuSet = static_cast<CodeUnite>(unite);
  LitReel("MH", k, MargeHaut);
  LitReel("MB", k, MargeBas);
  LitReel("MG", k, MargeGauche);
  LitReel("MD", k, MargeDroite);
  LitEntier("NC", k, NombreDeColonnes);
  LitEntier("NL", k, NombreDeLignes);
  LitReel("LC", k, LargeurDeColonnes);
  LitReel("HL", k, HauteurDeLignes);
  LitReel("GC", k, GouttiereColonnes);
  LitReel("GL", k, GouttiereLignes);
  return kNoErr;
}

AIErr LitCadenasDuSet(int32_t k) {
  if (!sAIPreference || !NumeroValide(k)) return kBadParameterErr;
  LitBooleen(CleDuSet("CD", k).texte, CadenasMarges);
  return kNoErr;
}

AIErr AjouteSet(int32_t k) {
  if (!sAIPreference || !NumeroValide(k)) return kBadParameterErr;
  sAIPreference->PutIntegerPreference(kSectionPrefs, "NbrSets", k);
  sAIPreference->PutStringPreference(kSectionPrefs, CleDuSet("TI", k).texte, TitreUtf8(TitreSet).c_str());
  EcritReel("MH", k, MargeHaut);
  EcritReel("MB", k, MargeBas);
  EcritReel("MG", k, MargeGauche);
  EcritReel("MD", k, MargeDroite);
  EcritEntier("NC", k, NombreDeColonnes);
  EcritEntier("NL", k, NombreDeLignes);
  EcritReel("LC", k, LargeurDeColonnes);
  EcritReel("HL", k, HauteurDeLignes);
  EcritReel("GC", k, GouttiereColonnes);
  EcritReel("GL", k, GouttiereLignes);
  EcritBooleen(CleDuSet("CD", k).texte, CadenasMarges);
  EcritEntier("NS", k, UniteDuSet);
  return kNoErr;
}

// The keys of the old last set stay in the file; nothing reads past the count.
AIErr SupprimeSet(int32_t s) {
  const int32_t nombre = LitNombreDeSets();
  if (!sAIPreference || s < 1 || s > nombre) return kBadParameterErr;
  sAIPreference->PutIntegerPreference(kSectionPrefs, "NbrSets", nombre - 1);
  for (int32_t t = s + 1; t <= nombre; ++t)
    for (const Champ& champ : kChampsDuSet) CopieChamp(champ, t, t - 1);
  return kNoErr;
}
