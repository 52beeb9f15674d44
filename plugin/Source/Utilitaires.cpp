#include "Utilitaires.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

double PointsParUnite(CodeUnite code) {
  switch (code) {
    case kUnitePouces: return 72.0;
    case kUniteCentimetres: return kPointsParMillimetre * 10.0;
    case kUnitePoints: return 1.0;
    case kUnitePicas: return 12.0;
    case kUniteMillimetres: return kPointsParMillimetre;
    default: return 0.0;
  }
}

const char* SuffixeDUnite(CodeUnite code) {
  switch (code) {
    case kUnitePouces: return " in";
    case kUniteCentimetres: return " cm";
    case kUnitePoints: return " pt";
    case kUnitePicas: return " pi";
    case kUniteMillimetres: return " mm";
    default: return "";
  }
}

namespace {

const char* TexteNonFini(double valeur) {
  if (std::isnan(valeur)) return "nan";
  return valeur < 0 ? "-inf" : "inf";
}

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The number at the start of a text, once leading blanks are skipped: sign, digits with at
// most one point (at least one digit), then an exponent only when it has digits.
struct NombreEnTete {
  bool negatif = false;
  std::string_view chiffres;  // without the sign; empty when the text starts with no number
};

// `virgule`: a comma may stand for the point (the fields show numbers with a comma).
NombreEnTete LitNombreEnTete(std::string_view texte, bool virgule = false) {
  NombreEnTete nombre;
  size_t i = 0;
  while (i < texte.size() && EstBlanc(texte[i])) ++i;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
    nombre.negatif = texte[i] == '-';
    ++i;
  }
  const size_t debut = i;
  size_t nbChiffres = 0;
  while (i < texte.size() && EstChiffre(texte[i])) ++i, ++nbChiffres;
  if (i < texte.size() && (texte[i] == '.' || (virgule && texte[i] == ','))) {
    ++i;
    while (i < texte.size() && EstChiffre(texte[i])) ++i, ++nbChiffres;
  }
  if (nbChiffres == 0) return nombre;
  if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
    size_t j = i + 1;
    if (j < texte.size() && (texte[j] == '+' || texte[j] == '-')) ++j;
    if (j < texte.size() && EstChiffre(texte[j])) {
      while (j < texte.size() && EstChiffre(texte[j])) ++j;
      i = j;
    }
  }
  nombre.chiffres = texte.substr(debut, i - debut);
  return nombre;
}

// For a number that does not fit a type: true when it is too large, false when too small.
// Compares the decimal order of its first significant digit with 0.
bool EstTropGrand(std::string_view chiffres) {
  long long ordre = 0;
  size_t i = 0;
  long long entiersSignificatifs = 0;
  bool significatif = false;
  for (; i < chiffres.size() && EstChiffre(chiffres[i]); ++i) {
    if (chiffres[i] != '0') significatif = true;
    if (significatif) ++entiersSignificatifs;
  }
  if (entiersSignificatifs > 0) {
    ordre = entiersSignificatifs - 1;
  } else if (i < chiffres.size() && (chiffres[i] == '.' || chiffres[i] == ',')) {
    ordre = -1;
    for (++i; i < chiffres.size() && chiffres[i] == '0'; ++i) --ordre;
  }
  const size_t e = chiffres.find_first_of("eE");
  if (e != std::string_view::npos) {
    bool exposantNegatif = false;
    long long exposant = 0;
    size_t j = e + 1;
    if (chiffres[j] == '+' || chiffres[j] == '-') exposantNegatif = chiffres[j++] == '-';
    for (; j < chiffres.size(); ++j) exposant = std::min(exposant * 10 + (chiffres[j] - '0'), 1LL << 40);
    ordre += exposantNegatif ? -exposant : exposant;
  }
  return ordre >= 0;
}

// Reads the digits as T; a number out of T's range saturates to the largest finite value
// (and sets *deborde) or goes to zero.
template <class T>
T LitChiffres(std::string_view chiffres, bool* deborde = nullptr) {
  std::string pointee;
  if (chiffres.find(',') != std::string_view::npos) {
    pointee.assign(chiffres);
    std::replace(pointee.begin(), pointee.end(), ',', '.');
    chiffres = pointee;
  }
  T valeur = 0;
  const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur,
                                             std::chars_format::general);
  (void)fin;
  if (erreur == std::errc::result_out_of_range) {
    if (!EstTropGrand(chiffres)) return T(0);
    if (deborde) *deborde = true;
    return std::numeric_limits<T>::max();
  }
  if (erreur != std::errc()) return T(0);
  return valeur;
}

template <class T>
double LectureEnTete(std::string_view texte, bool virgule = false, bool* deborde = nullptr) {
  const NombreEnTete nombre = LitNombreEnTete(texte, virgule);
  if (nombre.chiffres.empty()) return 0.0;
  const T valeur = LitChiffres<T>(nombre.chiffres, deborde);
  return static_cast<double>(nombre.negatif ? -valeur : valeur);
}

// "inf", "infinity" or "nan" in any case, after blanks and a sign: what a reader of
// another kind would take for a number that is not finite.
bool NommeUnNonFini(std::string_view texte) {
  size_t i = 0;
  while (i < texte.size() && EstBlanc(texte[i])) ++i;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) ++i;
  std::string mot;
  for (; i < texte.size() && mot.size() < 3; ++i)
    mot += static_cast<char>(texte[i] >= 'A' && texte[i] <= 'Z' ? texte[i] - 'A' + 'a' : texte[i]);
  return mot == "inf" || mot == "nan";
}

double BorneDouble(double valeur) {
  return std::clamp(valeur, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

}  // namespace

std::string TexteDeValeur(double valeur, CodeUnite code) {
  std::string texte;
  if (!std::isfinite(valeur)) {
    texte = TexteNonFini(valeur);
  } else {
    // "%.2f" without the locale: 309 integer digits at most, a sign, a point, two decimals.
    char tampon[320];
    const auto resultat = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, 2);
    texte.assign(tampon, resultat.ptr);
    while (!texte.empty() && texte.back() == '0') texte.pop_back();
    if (!texte.empty() && texte.back() == '.') texte.pop_back();
  }
  texte += SuffixeDUnite(code);
  if (VirguleOuPoint == ',') std::replace(texte.begin(), texte.end(), '.', ',');
  return texte;
}

CodeUnite UniteDuTexte(std::string_view texte) {
  struct Abreviation {
    const char* texte;
    CodeUnite code;
  };
  static constexpr Abreviation kOrdreDeRecherche[] = {
      {"mm", kUniteMillimetres}, {"cm", kUniteCentimetres}, {"in", kUnitePouces},
      {"pt", kUnitePoints},      {"pi", kUnitePicas}};
  for (const Abreviation& abreviation : kOrdreDeRecherche)
    if (texte.find(abreviation.texte) != std::string_view::npos) return abreviation.code;
  return kUniteAucune;
}

double LectureNumeriqueSimple(std::string_view texte) { return LectureEnTete<float>(texte, true); }

std::optional<double> LectureSimpleFinie(std::string_view texte) {
  if (NommeUnNonFini(texte)) return std::nullopt;
  bool deborde = false;
  const double valeur = LectureEnTete<float>(texte, true, &deborde);
  if (deborde) return std::nullopt;
  return valeur;
}

double LectureNumerique(std::string_view texte) { return LectureEnTete<double>(texte); }

namespace {

double ValeurDuTexteLue(std::string_view texte, bool* deborde) {
  size_t separation = texte.find(',');
  if (separation == std::string_view::npos) separation = texte.find('.');
  if (separation == std::string_view::npos) return LectureEnTete<double>(texte, false, deborde);
  std::string copie(texte);
  std::replace(copie.begin(), copie.end(), ',', '.');
  const std::string_view pointee(copie);
  const double partieEntiere = LectureEnTete<double>(pointee.substr(0, separation), false, deborde);
  double partieFractionnaire = LectureEnTete<double>(pointee.substr(separation), false, deborde);
  if (texte.find('-') != std::string_view::npos) partieFractionnaire = -partieFractionnaire;
  const double somme = partieEntiere + partieFractionnaire;
  if (!std::isfinite(somme) && deborde) *deborde = true;
  return BorneDouble(somme);
}

}  // namespace

double ValeurDuTexte(std::string_view texte) { return ValeurDuTexteLue(texte, nullptr); }

std::optional<double> ValeurDuTexteFinie(std::string_view texte) {
  if (NommeUnNonFini(texte)) return std::nullopt;
  bool deborde = false;
  const double valeur = ValeurDuTexteLue(texte, &deborde);
  if (deborde) return std::nullopt;
  return valeur;
}

namespace {

// The longest text: a sign, 39 integer digits, a separator and 127 decimals.
constexpr size_t kLongueurMaxNombre = 1 + 39 + 1 + 127;

// The rounded magnitude in single precision; a rounding past the largest float stays on it.
float ArrondiSimple(double magnitude, int decimales) {
  const double arrondi = std::pow(0.1, decimales) * std::round(magnitude * std::pow(10.0, decimales));
  return static_cast<float>(std::min(arrondi, static_cast<double>(FLT_MAX)));
}

// The digits of a whole number i >= 1, right to left by tenths. Exact below 10^15, where
// the tenths keep the digit well inside double precision; past that the exact conversion.
char* EcritEntier(double i, char* sortie) {
  if (i >= 1e15) return std::to_chars(sortie, sortie + 40, i, std::chars_format::fixed, 0).ptr;
  int n = static_cast<int>(std::floor(std::log10(i))) + 1;
  while (n > 1 && std::pow(10.0, n - 1) > i) --n;
  while (std::pow(10.0, n) <= i) ++n;
  for (int k = 0; k < n; ++k) {
    const double t = i * 0.1;
    i = std::floor(t);
    const double chiffre = std::clamp(std::round((t - i) * 10.0), 0.0, 9.0);
    sortie[n - 1 - k] = static_cast<char>('0' + static_cast<int>(chiffre));
  }
  return sortie + n;
}

size_t EcritNombre(float valeur, int decimales, char* sortie) {
  char* fin = sortie;
  if (!std::isfinite(valeur)) {
    const char* texte = TexteNonFini(valeur);
    return std::strlen(std::strcpy(sortie, texte));
  }
  const float r = ArrondiSimple(std::fabs(static_cast<double>(valeur)), decimales);
  if (valeur < 0 && r > 0) *fin++ = '-';
  const double i = std::floor(r);
  // The fraction plus half a unit of the last decimal, so that single-precision error does
  // not throw the digit loop off.
  double f = r + std::pow(0.1, decimales + 1) * 5 - i;
  if (i == 0) {
    *fin++ = '0';
  } else {
    fin = EcritEntier(i, fin);
  }
  if (decimales > 0) {
    *fin++ = VirguleOuPoint == ',' ? ',' : '.';
    for (int k = 0; k < decimales; ++k) {
      const double chiffre = std::clamp(std::floor(f * 10), 0.0, 9.0);
      f = f * 10 - chiffre;
      *fin++ = static_cast<char>('0' + static_cast<int>(chiffre));
    }
  }
  return static_cast<size_t>(fin - sortie);
}

}  // namespace

int NombreEnChaine(float valeur, int8_t decimales, char* sortie, size_t taille) {
  if (sortie == nullptr || taille == 0) return 0;
  char texte[kLongueurMaxNombre + 1];
  const size_t longueur = EcritNombre(valeur, decimales, texte);
  if (longueur + 1 > taille) {
    sortie[0] = '\0';
    return 0;
  }
  std::memcpy(sortie, texte, longueur);
  sortie[longueur] = '\0';
  return static_cast<int>(longueur);
}

int32_t NombreDeDivisionsBorne(double nombre) {
  if (std::isnan(nombre)) return 0;
  if (nombre >= kNombreMaxDansLePanneau) return kNombreMaxDansLePanneau;
  if (nombre <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(nombre);
}

std::string TexteEntier(long long nombre) {
  char texte[24];
  std::snprintf(texte, sizeof texte, "%lld", nombre);
  return texte;
}
