#include "IconeChamp.h"

#include "GuideSet.h"
#include "GuidesOutil.h"
#include "Theme.h"
#include "kit/BezierPath.h"
#include "kit/Cursor.h"
#include "kit/GraphicsContext.h"

kit::Color CouleurDuTrait(RoleTrait role, bool sombre, double alpha) {
  switch (role) {
    case RoleTrait::Accent:
      return sombre ? kit::Color::colorWithCalibratedRed(0.1, 0.6, 1, alpha)
                    : kit::Color::colorWithCalibratedRed(0, 0, 1, alpha);
    case RoleTrait::Contour:
      return sombre ? kit::Color::colorWithCalibratedRed(0.9, 0.9, 0.9, alpha)
                    : kit::Color::colorWithCalibratedRed(0, 0, 0, alpha);
    case RoleTrait::Grille:
      break;
  }
  return sombre ? kit::Color::colorWithCalibratedRed(0.6, 0.6, 0.6, alpha)
                : kit::Color::colorWithCalibratedRed(0.4, 0.4, 0.4, alpha);
}

namespace {

void Tracer(const Trait& trait, const kit::Color& couleur) {
  if (trait.points.empty()) return;
  kit::BezierPath chemin;
  chemin.moveToPoint(trait.points.front());
  if (trait.points.size() == 1) chemin.lineToPoint(trait.points.front());
  for (std::size_t i = 1; i < trait.points.size(); ++i) chemin.lineToPoint(trait.points[i]);
  chemin.setLineWidth(trait.largeur);
  couleur.set();
  chemin.stroke();
}

}  // namespace

IconeChamp::IconeChamp(const kit::Rect& frame, const ModeleIcone& modele)
    : VueSuivie(modele.classe, frame, *modele.suivi), modele_(modele) {}

bool IconeChamp::estActive() const {
  return OutilSelectionne && !(modele_.suitLeCadenas && CadenasMarges);
}

void IconeChamp::mouseDown(const kit::Event&) {
  if (!OutilSelectionne) return;
  if (kit::TextField* champ = modele_.champ()) champ->selectText();
}

void IconeChamp::mouseEntered(const kit::Event&) {
  if (OutilSelectionne) kit::Cursor::pointingHandCursor().set();
}

void IconeChamp::drawRect(const kit::Rect&) {
  const double alpha = 0.5 * (estActive() ? 1 : 0) + 0.5;
  if (auto* contexte = kit::GraphicsContext::currentContext()) contexte->setShouldAntialias(false);
  for (const Trait& trait : *modele_.traits) Tracer(trait, CouleurDuTrait(trait.role, InterfaceSombre, alpha));
}
