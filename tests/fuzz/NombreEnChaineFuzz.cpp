// The number writer with any value, any count of decimals and any buffer size: it never
// writes past the buffer, always terminates it, returns the length it wrote, and the text
// it writes is the value rounded to those decimals.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "GuideSet.h"
#include "Utilitaires.h"
#include "VerifieFuzz.h"

namespace {

constexpr char kRemplissage = 'X';

bool CaractereAdmis(char c, bool fini) {
  if ((c >= '0' && c <= '9') || c == '-' || c == ',' || c == '.') return true;
  return !fini && (c == 'n' || c == 'a' || c == 'i' || c == 'f');
}

// The written number read back: its distance to the value is at most one unit of the
// last decimal (half for the rounding, half for the digit loop), plus the single-precision
// error of the rounding itself.
void VerifieValeurEcrite(const std::string& texte, float valeur, int decimales) {
  std::string pointe = texte;
  for (char& c : pointe)
    if (c == ',') c = '.';
  const double relue = std::strtod(pointe.c_str(), nullptr);
  const double v = valeur;
  const double unite = std::pow(10.0, -decimales);
  const double tolerance = unite + std::fabs(v) * 2.4e-7 + 1e-300;
  VERIFIE(std::fabs(relue - v) <= tolerance, "\"%s\" for %.9g with %d decimals", texte.c_str(), v, decimales);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 7) return 0;
  float valeur;
  std::memcpy(&valeur, data, sizeof valeur);
  const auto decimales = static_cast<int8_t>(data[4]);
  const size_t taille = ((size_t{data[5]} << 8) | data[6]) % 400;
  VirguleOuPoint = size > 7 && (data[7] & 1) ? '.' : ',';

  // Exactly `taille` bytes, so that the address sanitizer sees any byte written past them.
  std::unique_ptr<char[]> sortie(new char[taille == 0 ? 1 : taille]);
  std::memset(sortie.get(), kRemplissage, taille == 0 ? 1 : taille);
  const int n = NombreEnChaine(valeur, decimales, sortie.get(), taille);

  if (taille == 0) {
    VERIFIE(n == 0 && sortie[0] == kRemplissage, "a zero size buffer was written (%d)", n);
    return 0;
  }
  VERIFIE(n >= 0 && static_cast<size_t>(n) < taille, "length %d for a buffer of %zu", n, taille);
  VERIFIE(sortie[n] == '\0', "no terminator at %d", n);
  VERIFIE(std::strlen(sortie.get()) == static_cast<size_t>(n), "length %d but text of %zu", n,
          std::strlen(sortie.get()));
  // The longest text (sign, 39 digits, separator, 127 decimals) always fits 169 bytes.
  if (taille >= 169) VERIFIE(n > 0, "refused %.9g with %d decimals in %zu bytes", valeur, decimales, taille);
  if (n == 0) return 0;

  const std::string texte(sortie.get(), static_cast<size_t>(n));
  const bool fini = std::isfinite(valeur);
  for (char c : texte) VERIFIE(CaractereAdmis(c, fini), "character %d in \"%s\"", c, texte.c_str());
  if (!fini) return 0;

  const char separateur = VirguleOuPoint;
  const size_t position = texte.find_first_of(",.");
  if (decimales > 0) {
    VERIFIE(position != std::string::npos && texte[position] == separateur, "\"%s\" lacks '%c'", texte.c_str(),
            separateur);
    VERIFIE(texte.size() - position - 1 == static_cast<size_t>(decimales), "\"%s\" has not %d decimals",
            texte.c_str(), decimales);
  } else {
    VERIFIE(position == std::string::npos, "\"%s\" has a separator with %d decimals", texte.c_str(), decimales);
  }
  // Whole numbers, as the guide names use them, are written exactly.
  if (decimales == 0 && valeur == std::floor(valeur) && std::fabs(valeur) < 16777216.0f)
    VERIFIE(texte == std::to_string(static_cast<long>(valeur)) || (valeur == 0 && texte == "0"),
            "\"%s\" for the whole number %.1f", texte.c_str(), valeur);
  if (decimales >= 0) VerifieValeurEcrite(texte, valeur, decimales);
  return 0;
}
