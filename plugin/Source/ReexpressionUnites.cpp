#include "ReexpressionUnites.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "PanneauGlobals.h"
#include "Utilitaires.h"
#include "ZonesLongueur.h"
#include "kit/TextField.h"

namespace {

constexpr double kMillimetresParPouce = 25.4;
constexpr double kCentimetresParPouce = 2.54;
constexpr double kPicasParPouce = 6;
constexpr double kPointsParPouce = 72;
constexpr double kPointsParPica = 12;
constexpr double kMillimetresParCentimetre = 10;

// The millimetre factor as it is multiplied: in single precision.
float MillimetresEnPointsSimple(double nombre) {
  return static_cast<float>(nombre) * static_cast<float>(kPointsParMillimetre);
}

double DepuisPouces(double x, CodeUnite vers) {
  switch (vers) {
    case kUniteCentimetres: return x * kCentimetresParPouce;
    case kUnitePoints: return x * kPointsParPouce;
    case kUnitePicas: return x * kPicasParPouce;
    case kUniteMillimetres: return x * kMillimetresParPouce;
    default: return x;
  }
}

double DepuisCentimetres(double x, CodeUnite vers) {
  switch (vers) {
    case kUnitePouces: return x / kCentimetresParPouce;
    case kUnitePoints: return static_cast<double>(MillimetresEnPointsSimple(x)) * kMillimetresParCentimetre;
    case kUnitePicas: return x * kPicasParPouce / kCentimetresParPouce;
    case kUniteMillimetres: return x * kMillimetresParCentimetre;
    default: return x;
  }
}

double DepuisPoints(double x, CodeUnite vers) {
  switch (vers) {
    case kUnitePouces: return x / kPointsParPouce;
    case kUniteCentimetres: return x * kCentimetresParPouce / kPointsParPouce;
    case kUnitePicas: return x / kPointsParPica;
    case kUniteMillimetres: return x * kMillimetresParPouce / kPointsParPouce;
    default: return x;
  }
}

double DepuisPicas(double x, CodeUnite vers) {
  switch (vers) {
    case kUnitePouces: return x / kPicasParPouce;
    case kUniteCentimetres: return x * kCentimetresParPouce / kPicasParPouce;
    case kUnitePoints: return x * kPointsParPica;
    case kUniteMillimetres: return x * kMillimetresParPouce / kPicasParPouce;
    default: return x;
  }
}

double DepuisMillimetres(double x, CodeUnite vers) {
  switch (vers) {
    case kUnitePouces: return x / kMillimetresParPouce;
    case kUniteCentimetres: return x / kMillimetresParCentimetre;
    case kUnitePoints: return static_cast<double>(MillimetresEnPointsSimple(x));
    case kUnitePicas: return x * kPicasParPouce / kMillimetresParPouce;
    default: return x;
  }
}

}  // namespace

double ConvertitEntreUnites(double nombre, CodeUnite de, CodeUnite vers) {
  if (!EstUnite(vers)) return nombre;
  switch (de) {
    case kUnitePouces: return DepuisPouces(nombre, vers);
    case kUniteCentimetres: return DepuisCentimetres(nombre, vers);
    case kUnitePoints: return DepuisPoints(nombre, vers);
    case kUnitePicas: return DepuisPicas(nombre, vers);
    case kUniteMillimetres: return DepuisMillimetres(nombre, vers);
    default: return nombre;
  }
}

// Each field is read in the unit its own text names, or in the working unit where it names
// none: the fields need not all speak one unit (a typed "0,5 in" changes the top margin's
// and the margins it locks, not the gutters').
void ReexprimeLongueurs(CodeUnite cible) {
  if (!EstUnite(cible)) return;
  for (Longueur longueur : kToutesLesLongueurs) {
    const ZoneLongueur zone = ZoneDe(longueur);
    if (zone.zone == nullptr) continue;
    const std::string texte = zone.zone->stringValue();
    const CodeUnite nommee = UniteDuTexte(texte);
    const CodeUnite source = EstUnite(nommee) ? nommee : Unite;
    if (!EstUnite(source) || source == cible) continue;
    const std::optional<double> nombre = LectureSimpleFinie(texte);
    const double x = nombre ? ConvertitEntreUnites(*nombre, source, cible) : std::numeric_limits<double>::quiet_NaN();
    const double points = x * PointsParUnite(cible);
    if (!LongueurTenable(points)) {
      MontreValeurTenue(zone, cible);
      continue;
    }
    zone.zone->setStringValue(TexteDeValeur(x, cible));
    zone.valeur = points;
  }
}
