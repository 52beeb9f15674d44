#include "DelegateZeroUnUnGuides.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "GuideSet.h"
#include "PanneauGlobals.h"
#include "PasDesValeurs.h"
#include "SimuleAppuiTouche.h"
#include "Utilitaires.h"
#include "ZonesLongueur.h"
#include "kit/ComboBox.h"

namespace {

enum class Commande { Aucune, Suivante, Precedente, Monte, MonteGrand, Descend, DescendGrand };

Commande CommandeDe(const std::string& selecteur) {
  if (selecteur == "insertTab:") return Commande::Suivante;
  if (selecteur == "insertBacktab:") return Commande::Precedente;
  if (selecteur == "moveUp:") return Commande::Monte;
  if (selecteur == "moveUpAndModifySelection:") return Commande::MonteGrand;
  if (selecteur == "moveDown:") return Commande::Descend;
  if (selecteur == "moveDownAndModifySelection:") return Commande::DescendGrand;
  return Commande::Aucune;
}

// ---- Tab and Shift+Tab ----

// The ten fields in Tab order; the bottom, left and right margins are skipped while the
// margins are locked, and a move from one of them goes nowhere then.
std::array<kit::TextField*, 10> ZonesDansLOrdre() {
  return {GzoneMargeHaut, GzoneMargeBas,       GzoneMargeGauche,  GzoneMargeDroite,      GzoneNbrColonnes,
          GzoneNbrLignes, GzoneLargeurColonne, GzoneHauteurLigne, GzoneGouttiereColonne, GzoneGouttiereLigne};
}

bool SuitLaMargeHaut(size_t rang) { return rang >= 1 && rang <= 3; }

void ChangeDeZone(const kit::Control* depart, bool suivante) {
  if (depart == nullptr) return;
  const auto zones = ZonesDansLOrdre();
  size_t rang = 0;
  while (rang < zones.size() && zones[rang] != depart) ++rang;
  if (rang == zones.size()) return;
  if (CadenasMarges && SuitLaMargeHaut(rang)) return;
  do {
    rang = (rang + (suivante ? 1 : zones.size() - 1)) % zones.size();
  } while (CadenasMarges && SuitLaMargeHaut(rang));
  if (zones[rang] != nullptr) zones[rang]->selectText();
}

// ---- Arrow keys ----

// "%g" without the locale, then the panel's separator.
std::string TexteCourt(double x) {
  char tampon[32];
  const auto fin = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::general, 6);
  std::string texte(tampon, fin.ec == std::errc{} ? fin.ptr : tampon);
  if (VirguleOuPoint == ',')
    for (char& c : texte)
      if (c == '.') c = ',';
  return texte;
}

// The arrow keys look for the units in their own order: "pt" before "in".
CodeUnite UniteEcrite(std::string_view texte) {
  constexpr CodeUnite kOrdre[] = {kUniteMillimetres, kUniteCentimetres, kUnitePoints, kUnitePouces, kUnitePicas};
  for (CodeUnite unite : kOrdre)
    if (texte.find(std::string_view(SuffixeDUnite(unite)).substr(1)) != std::string_view::npos) return unite;
  return kUniteAucune;
}

void AvanceNombre(kit::TextField* zone, int32_t& nombre, bool grand, bool monte) {
  nombre = NombreParClavier(LectureNumeriqueSimple(zone->stringValue()), grand, monte);
  zone->setStringValue(TexteCourt(nombre));
}

// A field that names no unit is left as it is; a number or a step that is not finite
// leaves the value and shows it again, and answers false: nothing changed.
bool AvanceLongueur(Longueur longueur, bool grand, bool monte) {
  const ZoneLongueur zone = ZoneDe(longueur);
  const std::string texte = zone.zone->stringValue();
  const CodeUnite unite = UniteEcrite(texte);
  if (unite != kUniteAucune) {
    const std::optional<double> v = LectureSimpleFinie(texte);
    const double x =
        v ? PasParClavier(*v, PasDuClavier(unite, grand), monte, zone.genre) : std::numeric_limits<double>::quiet_NaN();
    const double points = x * PointsParUnite(unite);
    if (!LongueurTenable(points)) {
      MontreValeurTenue(zone, unite);
      return false;
    }
    const bool automatique = !monte && zone.genre == GenreLongueur::Taille && x == 0;
    zone.zone->setStringValue(automatique ? std::string() : TexteCourt(x) + SuffixeDUnite(unite));
    zone.valeur = points;
  }
  if (longueur == Longueur::MargeHaut) MargesSuiventLaMargeHaut();
  return true;
}

void Avance(kit::Control* controle, bool grand, bool monte) {
  if (controle == nullptr) return;
  if (controle == GzoneNbrColonnes) {
    AvanceNombre(GzoneNbrColonnes, NombreDeColonnes, grand, monte);
  } else if (controle == GzoneNbrLignes) {
    AvanceNombre(GzoneNbrLignes, NombreDeLignes, grand, monte);
  } else if (const std::optional<Longueur> longueur = LongueurDeLaZone(controle)) {
    // A refused step changed nothing: there is nothing to lay out again.
    if (!AvanceLongueur(*longueur, grand, monte)) return;
  } else {
    return;
  }
  SimuleAppuiToucheFn();
}

}  // namespace

bool DelegateZeroUnUnGuides::doCommandBySelector(kit::Control* control, kit::TextView*, const std::string& selector) {
  switch (CommandeDe(selector)) {
    case Commande::Aucune: return false;
    case Commande::Suivante: ChangeDeZone(control, true); break;
    case Commande::Precedente: ChangeDeZone(control, false); break;
    case Commande::Monte: Avance(control, false, true); break;
    case Commande::MonteGrand: Avance(control, true, true); break;
    case Commande::Descend: Avance(control, false, false); break;
    case Commande::DescendGrand: Avance(control, true, false); break;
  }
  return true;
}
