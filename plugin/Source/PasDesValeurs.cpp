#include "PasDesValeurs.h"

#include <algorithm>
#include <cmath>

#include "Utilitaires.h"

namespace {

// -0 would show as "-0 mm": a step landing on zero lands on plain zero.
double SansZeroNegatif(double x) { return x + 0.0; }

}  // namespace

double PasDuBouton(CodeUnite unite, bool grand) {
  switch (unite) {
    case kUnitePouces:
    case kUniteCentimetres:
    case kUnitePicas: return grand ? 0.5 : 0.1;
    case kUnitePoints:
    case kUniteMillimetres: return grand ? 5.0 : 1.0;
    default: return 0.0;
  }
}

double PasDuClavier(CodeUnite unite, bool grand) {
  if (unite == kUnitePicas) return grand ? 5.0 : 1.0;
  return PasDuBouton(unite, grand);
}

double PlusParBouton(double v, double pas) { return SansZeroNegatif(std::floor(v / pas) * pas + pas); }

double MoinsParBouton(double v, double pas, GenreLongueur genre) {
  double x = v - pas;
  if (genre == GenreLongueur::Gouttiere && x < 0) x = 0;
  // fmod of NaN is NaN, which is not 0: snapped as well.
  const double reste = std::fmod(x, pas);
  if (!(reste == 0)) x = std::ceil(x / pas) * pas;
  if (genre == GenreLongueur::Taille && x < 0) x = 0;
  return SansZeroNegatif(x);
}

double PasParClavier(double v, double pas, bool monte, GenreLongueur genre) {
  double x = std::round(v / pas + (monte ? 1 : -1)) * pas;
  if (!monte && genre != GenreLongueur::Marge && x < 0) x = 0;
  return SansZeroNegatif(x);
}

int32_t NombrePlusParBouton(int64_t n) { return NombreDeDivisionsBorne(static_cast<double>(n) + 1); }

int32_t NombreMoinsParBouton(int64_t n) {
  return NombreDeDivisionsBorne(static_cast<double>(std::max<int64_t>(n, 2) - 1));
}

int32_t NombreParClavier(double v, bool grand, bool monte) {
  const double pas = grand ? 2 : 1;
  double x = std::round(v / pas + (monte ? 1 : -1)) * pas;
  if (!monte && x < 1) x = 1;
  return NombreDeDivisionsBorne(x);
}
