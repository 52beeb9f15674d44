// The texts typed into the panel's fields and the texts the fields show. Whatever is
// typed, every reading is a finite number and the unit found is one the text names; the
// text shown for a finite value names its unit and reads back as that value.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "GuideSet.h"
#include "Utilitaires.h"
#include "VerifieFuzz.h"

namespace {

const char* Abreviation(CodeUnite code) {
  switch (code) {
    case kUnitePouces: return "in";
    case kUniteCentimetres: return "cm";
    case kUnitePoints: return "pt";
    case kUnitePicas: return "pi";
    case kUniteMillimetres: return "mm";
    default: return nullptr;
  }
}

// The C library's reading of the same leading number, when the text is a plain decimal
// one both readers must agree on: no hexadecimal, no "inf" or "nan", no range error.
bool LectureDeReference(const std::string& texte, double* valeur) {
  if (texte.find_first_of("xXiInN") != std::string::npos) return false;
  errno = 0;
  *valeur = std::strtod(texte.c_str(), nullptr);
  return errno == 0 && std::isfinite(*valeur);
}

void VerifieLectures(std::string_view texte) {
  const std::string copie(texte);
  const char* c = copie.c_str();

  const CodeUnite unite = UniteDuTexte(texte);
  VERIFIE(unite >= kUniteAucune && unite <= kUniteMillimetres, "unit %d for \"%s\"", unite, c);
  if (unite != kUniteAucune)
    VERIFIE(texte.find(Abreviation(unite)) != std::string_view::npos, "unit %d not named in \"%s\"", unite, c);

  const double simple = LectureNumeriqueSimple(texte);
  VERIFIE(std::isfinite(simple), "plain reading %g of \"%s\"", simple, c);
  VERIFIE(static_cast<double>(static_cast<float>(simple)) == simple, "plain reading %.17g is not single", simple);

  const double lecture = LectureNumerique(texte);
  VERIFIE(std::isfinite(lecture), "double reading %g of \"%s\"", lecture, c);
  // strtod stops at the first NUL, the field's reading does not see one as an end.
  double reference = 0;
  if (copie.find('\0') == std::string::npos && LectureDeReference(copie, &reference))
    VERIFIE(lecture == reference, "reading %.17g of \"%s\", the C library reads %.17g", lecture, c, reference);

  const double valeur = ValeurDuTexte(texte);
  VERIFIE(std::isfinite(valeur), "typed value %g of \"%s\"", valeur, c);
  if (texte.find_first_of(",.") == std::string_view::npos)
    VERIFIE(valeur == lecture, "typed value %.17g of \"%s\" is not its reading %.17g", valeur, c, lecture);
}

// The text shown for a value: its unit's suffix, the separator asked for, and a reading
// back within the two decimals it keeps.
void VerifieTexteDeValeur(double valeur, CodeUnite code, char separateur) {
  VirguleOuPoint = separateur;
  const std::string texte = TexteDeValeur(valeur, code);
  const char* c = texte.c_str();
  const char* abreviation = Abreviation(code);
  if (abreviation) {
    const std::string suffixe = std::string(" ") + abreviation;
    VERIFIE(texte.size() > suffixe.size() && texte.compare(texte.size() - suffixe.size(), suffixe.size(), suffixe) == 0,
            "\"%s\" does not end with \"%s\"", c, suffixe.c_str());
  }
  if (separateur == ',') VERIFIE(texte.find('.') == std::string::npos, "\"%s\" keeps a point", c);
  if (!std::isfinite(valeur)) return;

  if (abreviation) VERIFIE(UniteDuTexte(texte) == code, "\"%s\" reads as unit %d, not %d", c, UniteDuTexte(texte), code);
  const double relu = ValeurDuTexte(texte);
  const double ecart = std::fabs(relu - valeur);
  VERIFIE(ecart <= 0.005 + std::fabs(valeur) * 4e-16, "\"%s\" reads back %.17g for %.17g", c, relu, valeur);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* octets = reinterpret_cast<const char*>(data);
  VirguleOuPoint = ',';
  VerifieLectures(std::string_view(octets, size));

  if (size >= sizeof(double) + 1) {
    double valeur;
    std::memcpy(&valeur, data, sizeof valeur);
    const uint8_t choix = data[sizeof valeur];
    VerifieTexteDeValeur(valeur, static_cast<CodeUnite>(choix % 7), (choix & 0x80) ? ',' : '.');
    // The same value as the panel would hold it after a single-precision reading.
    VerifieTexteDeValeur(static_cast<double>(static_cast<float>(valeur)), static_cast<CodeUnite>(choix % 7), ',');
  }
  VirguleOuPoint = ',';
  return 0;
}
