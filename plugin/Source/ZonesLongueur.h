// The eight length fields of the panel with the values they show, reached through the
// global copies of the outlets, and what the steppers, the arrow keys, the field actions
// and the unit changes share about them.
#ifndef GUIDES_ZONESLONGUEUR_H
#define GUIDES_ZONESLONGUEUR_H

#include <optional>

#include "GuideSet.h"
#include "PasDesValeurs.h"

namespace kit {
class Control;
class TextField;
}  // namespace kit

// In the order the unit re-expression handles them.
enum class Longueur {
  MargeHaut,
  MargeBas,
  MargeGauche,
  MargeDroite,
  LargeurColonnes,
  HauteurLignes,
  GouttiereColonnes,
  GouttiereLignes
};
inline constexpr Longueur kToutesLesLongueurs[] = {
    Longueur::MargeHaut,       Longueur::MargeBas,      Longueur::MargeGauche,       Longueur::MargeDroite,
    Longueur::LargeurColonnes, Longueur::HauteurLignes, Longueur::GouttiereColonnes, Longueur::GouttiereLignes};

struct ZoneLongueur {
  kit::TextField* zone;  // null until the panel is loaded
  double& valeur;        // in points between two actions
  GenreLongueur genre;
};

ZoneLongueur ZoneDe(Longueur longueur);
// Which length field a control is, if it is one.
std::optional<Longueur> LongueurDeLaZone(const kit::Control* controle);

// A unit code 1 to 5.
bool EstUnite(CodeUnite code);
// The unit the fields are shown in: the set's right after a set was put on the panel, else
// the panel's working unit.
CodeUnite UniteAffichee();

// When the margins are locked, the bottom, left and right margins take the top margin's
// value and their fields its text.
void MargesSuiventLaMargeHaut();

// A length in points the document can hold: finite and within single precision, the
// precision of the document's coordinates. Anything else is refused.
bool LongueurTenable(double points);

// A refused entry: the field shows again the value held, in `unite` (or, when it names no
// unit, in the unit the fields are shown in); a size of 0 shows the empty field.
void MontreValeurTenue(const ZoneLongueur& zone, CodeUnite unite);

#endif
