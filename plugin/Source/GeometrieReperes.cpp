#include "GeometrieReperes.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "GuideSet.h"

ValeursDuSet ValeursDuSetCourant() {
  ValeursDuSet valeurs;
  valeurs.margeHaut = MargeHaut;
  valeurs.margeBas = MargeBas;
  valeurs.margeGauche = MargeGauche;
  valeurs.margeDroite = MargeDroite;
  valeurs.nombreDeColonnes = NombreDeColonnes;
  valeurs.nombreDeLignes = NombreDeLignes;
  valeurs.largeurDeColonnes = LargeurDeColonnes;
  valeurs.hauteurDeLignes = HauteurDeLignes;
  valeurs.gouttiereColonnes = GouttiereColonnes;
  valeurs.gouttiereLignes = GouttiereLignes;
  return valeurs;
}

namespace {

// Stores a double in single precision; a magnitude past the largest float becomes an
// infinity of its sign instead of an out-of-range conversion.
float Simple(double valeur) {
  if (valeur > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (valeur < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(valeur);
}

SegmentDeRepere Segment(float x1, float y1, float x2, float y2) { return {{x1, y1}, {x2, y2}}; }

// The rectangle's sides as doubles, and the margin box's sides in single precision.
struct Cadre {
  double L, T, R, B;
  float gauche, haut, droite, bas;

  Cadre(const AIRealRect& r, const ValeursDuSet& v)
      : L(r.left), T(r.top), R(r.right), B(r.bottom),
        gauche(Simple(L + v.margeGauche)), haut(Simple(T - v.margeHaut)),
        droite(Simple(R - v.margeDroite)), bas(Simple(B + v.margeBas)) {}
};

void Marge(SorteDeRepere sorte, const AIRealRect& r, const ValeursDuSet& v, ModeDeTrace mode,
           std::vector<SegmentDeRepere>& segments) {
  const Cadre c(r, v);
  const bool objet = mode == ModeDeTrace::PourObjet;
  // Around an object a zero margin moves no end: its side of the margin box is the edge.
  const float haut = objet ? c.haut : r.top, bas = objet ? c.bas : r.bottom;
  const float gauche = objet ? c.gauche : r.left, droite = objet ? c.droite : r.right;
  switch (sorte) {
    case SorteDeRepere::MargeDroite:
      if (v.margeDroite != 0.0) segments.push_back(Segment(c.droite, haut, c.droite, bas));
      break;
    case SorteDeRepere::MargeGauche:
      if (v.margeGauche != 0.0) segments.push_back(Segment(c.gauche, haut, c.gauche, bas));
      break;
    case SorteDeRepere::MargeBas:
      if (v.margeBas != 0.0) segments.push_back(Segment(gauche, c.bas, droite, c.bas));
      break;
    case SorteDeRepere::MargeHaut:
      if (v.margeHaut != 0.0) segments.push_back(Segment(gauche, c.haut, droite, c.haut));
      break;
    default:
      break;
  }
}

void Colonnes(const AIRealRect& r, const ValeursDuSet& v, std::vector<SegmentDeRepere>& segments) {
  const int32_t nc = v.nombreDeColonnes;
  const double gc = v.gouttiereColonnes;
  const Cadre c(r, v);
  const float largeurRectangle = r.right - r.left;
  const float w = v.largeurDeColonnes == 0.0
                      ? Simple((largeurRectangle - v.margeGauche - v.margeDroite - (nc - 1) * gc) / nc)
                      : Simple(v.largeurDeColonnes);
  segments.reserve(static_cast<size_t>(nc - 1) * (gc > 0 ? 2 : 1));
  for (int32_t i = 1; i < nc; ++i) {
    const float iw = static_cast<float>(i) * w;
    const float x = Simple(c.L + v.margeGauche + iw + (i - 1) * gc);
    segments.push_back(Segment(x, c.haut, x, c.bas));
    if (gc > 0) {
      const float xSuivant = Simple(c.L + v.margeGauche + i * (w + gc));
      segments.push_back(Segment(xSuivant, c.haut, xSuivant, c.bas));
    }
  }
}

void Lignes(const AIRealRect& r, const ValeursDuSet& v, std::vector<SegmentDeRepere>& segments) {
  const int32_t nl = v.nombreDeLignes;
  const double gl = v.gouttiereLignes;
  const Cadre c(r, v);
  const float hauteurRectangle = r.top - r.bottom;
  const float h = v.hauteurDeLignes == 0.0
                      ? Simple((hauteurRectangle - v.margeHaut - v.margeBas - (nl - 1) * gl) / nl)
                      : Simple(v.hauteurDeLignes);
  segments.reserve(static_cast<size_t>(nl - 1) * (gl > 0 ? 2 : 1));
  for (int32_t i = 1; i < nl; ++i) {
    const float ih = static_cast<float>(i) * h;
    const float y = Simple(c.T - v.margeHaut - ih - (i - 1) * gl);
    segments.push_back(Segment(c.gauche, y, c.droite, y));
    if (gl > 0) {
      const float ySuivant = Simple(c.T - v.margeHaut - i * (h + gl));
      segments.push_back(Segment(c.gauche, ySuivant, c.droite, ySuivant));
    }
  }
}

}  // namespace

bool SegmentsDuRepere(SorteDeRepere sorte, const AIRealRect& rectangle, const ValeursDuSet& valeurs,
                      ModeDeTrace mode, std::vector<SegmentDeRepere>& segments) {
  segments.clear();
  switch (sorte) {
    case SorteDeRepere::Colonnes:
      if (valeurs.nombreDeColonnes > kNombreMaxDeDivisions) return false;
      if (valeurs.nombreDeColonnes > 1) Colonnes(rectangle, valeurs, segments);
      return true;
    case SorteDeRepere::Lignes:
      if (valeurs.nombreDeLignes > kNombreMaxDeDivisions) return false;
      if (valeurs.nombreDeLignes > 1) Lignes(rectangle, valeurs, segments);
      return true;
    default:
      Marge(sorte, rectangle, valeurs, mode, segments);
      return true;
  }
}

bool SegmentsFinis(const std::vector<SegmentDeRepere>& segments) {
  for (const SegmentDeRepere& s : segments)
    if (!std::isfinite(s.debut.h) || !std::isfinite(s.debut.v) || !std::isfinite(s.fin.h) ||
        !std::isfinite(s.fin.v))
      return false;
  return true;
}
