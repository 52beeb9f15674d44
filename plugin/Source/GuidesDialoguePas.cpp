// The plus and minus buttons of the ten values. A length steps by its unit's step (the
// large one with Shift) to a multiple of it; a count by one, never below 1. Each ends with
// the redraw request.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "GuideSet.h"
#include "GuidesDialogue.h"
#include "PasDesValeurs.h"
#include "SimuleAppuiTouche.h"
#include "Utilitaires.h"
#include "ZonesLongueur.h"
#include "kit/Kit.h"

namespace {

bool ShiftEnfonce() { return (kit::Application::shared().currentModifierFlags() & kit::EventModifierFlagShift) != 0; }

// The value in unit `unite` stepped from the field's number, or shown again as held when
// the number is not finite or the result is not a length the document can hold: then
// nothing changed and false is answered.
bool Avance(const ZoneLongueur& zone, const std::string& texte, CodeUnite unite, bool plus) {
  const std::optional<double> v = LectureSimpleFinie(texte);
  const double pas = PasDuBouton(unite, ShiftEnfonce());
  const double x = !v     ? std::numeric_limits<double>::quiet_NaN()
                   : plus ? PlusParBouton(*v, pas)
                          : MoinsParBouton(*v, pas, zone.genre);
  const double points = x * PointsParUnite(unite);
  if (!LongueurTenable(points)) {
    MontreValeurTenue(zone, unite);
    return false;
  }
  zone.zone->setStringValue(TexteDeValeur(x, unite));
  zone.valeur = points;
  return true;
}

void PasDeLongueur(Longueur longueur, bool plus) {
  const ZoneLongueur zone = ZoneDe(longueur);
  if (zone.zone == nullptr) return;
  const std::string texte = zone.zone->stringValue();
  kit::Cursor::arrowCursor().set();
  const CodeUnite nommee = UniteDuTexte(texte);
  const CodeUnite unite = EstUnite(nommee) ? nommee : Unite;
  if (EstUnite(unite)) {
    // A refused step changed nothing: there is nothing to lay out again.
    if (!Avance(zone, texte, unite, plus)) return;
  } else if (VirguleOuPoint == ',') {
    // No unit yet to step in: the text stays, written with the panel's separator.
    std::string virgule = texte;
    std::replace(virgule.begin(), virgule.end(), '.', ',');
    zone.zone->setStringValue(virgule);
  }
  // An empty width or height field stands for the size computed from the count.
  if (!plus && zone.genre == GenreLongueur::Taille && zone.valeur == 0) zone.zone->setStringValue(std::string());
  if (longueur == Longueur::MargeHaut) MargesSuiventLaMargeHaut();
  SimuleAppuiToucheFn();
}

void PasDeNombre(kit::ComboBox* zone, int32_t& nombre, bool plus) {
  const int lu = zone->intValue();
  nombre = plus ? NombrePlusParBouton(lu) : NombreMoinsParBouton(lu);
  zone->setIntValue(nombre);
  SimuleAppuiToucheFn();
}

}  // namespace

void GuidesDialogue::PANstepPlusMargeHautCBP(kit::Control*) { PasDeLongueur(Longueur::MargeHaut, true); }
void GuidesDialogue::PANstepMoinsMargeHautCBP(kit::Control*) { PasDeLongueur(Longueur::MargeHaut, false); }
void GuidesDialogue::PANstepPlusMargeBasCBP(kit::Control*) { PasDeLongueur(Longueur::MargeBas, true); }
void GuidesDialogue::PANstepMoinsMargeBasCBP(kit::Control*) { PasDeLongueur(Longueur::MargeBas, false); }
void GuidesDialogue::PANstepPlusMargeGaucheCBP(kit::Control*) { PasDeLongueur(Longueur::MargeGauche, true); }
void GuidesDialogue::PANstepMoinsMargeGaucheCBP(kit::Control*) { PasDeLongueur(Longueur::MargeGauche, false); }
void GuidesDialogue::PANstepPlusMargeDroiteCBP(kit::Control*) { PasDeLongueur(Longueur::MargeDroite, true); }
void GuidesDialogue::PANstepMoinsMargeDroiteCBP(kit::Control*) { PasDeLongueur(Longueur::MargeDroite, false); }
void GuidesDialogue::PANstepPlusLargeurColonneCBP(kit::Control*) { PasDeLongueur(Longueur::LargeurColonnes, true); }
void GuidesDialogue::PANstepMoinsLargeurColonneCBP(kit::Control*) { PasDeLongueur(Longueur::LargeurColonnes, false); }
void GuidesDialogue::PANstepPlusHauteurLigneCBP(kit::Control*) { PasDeLongueur(Longueur::HauteurLignes, true); }
void GuidesDialogue::PANstepMoinsHauteurLigneCBP(kit::Control*) { PasDeLongueur(Longueur::HauteurLignes, false); }
void GuidesDialogue::PANstepPlusGouttiereColonneCBP(kit::Control*) { PasDeLongueur(Longueur::GouttiereColonnes, true); }
void GuidesDialogue::PANstepMoinsGouttiereColonneCBP(kit::Control*) {
  PasDeLongueur(Longueur::GouttiereColonnes, false);
}
void GuidesDialogue::PANstepPlusGouttiereLigneCBP(kit::Control*) { PasDeLongueur(Longueur::GouttiereLignes, true); }
void GuidesDialogue::PANstepMoinsGouttiereLigneCBP(kit::Control*) { PasDeLongueur(Longueur::GouttiereLignes, false); }

void GuidesDialogue::PANstepPlusNbrColonnesCBP(kit::Control*) {
  PasDeNombre(PANzoneNbrColonnes, NombreDeColonnes, true);
}
void GuidesDialogue::PANstepMoinsNbrColonnesCBP(kit::Control*) {
  PasDeNombre(PANzoneNbrColonnes, NombreDeColonnes, false);
}
void GuidesDialogue::PANstepPlusNbrLignesCBP(kit::Control*) { PasDeNombre(PANzoneNbrLignes, NombreDeLignes, true); }
void GuidesDialogue::PANstepMoinsNbrLignesCBP(kit::Control*) { PasDeNombre(PANzoneNbrLignes, NombreDeLignes, false); }
