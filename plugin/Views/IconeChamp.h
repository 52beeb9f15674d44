// A field icon view: a small pictogram beside one value field of the panel, drawn from a
// table of strokes in the theme's colours, dimmed while inactive. While the guides tool is
// selected, hovering shows the pointing hand and a click focuses the field.
#ifndef GUIDES_ICONECHAMP_H
#define GUIDES_ICONECHAMP_H

#include <vector>

#include "VueSuivie.h"
#include "kit/Color.h"
#include "kit/TextField.h"

enum class RoleTrait { Accent, Contour, Grille };

// One stroked path: a polyline through its points, or a dot (a zero-length segment) when
// it has a single point.
struct Trait {
  RoleTrait role;
  double largeur;
  std::vector<kit::Point> points;
};

struct ModeleIcone {
  const char* classe;
  const std::vector<Trait>* traits;
  kit::TextField* (*champ)();     // the value field, read when needed (null before loading)
  kit::TrackingArea** suivi;      // the class's tracking-area global
  bool suitLeCadenas;             // inactive too while the four margins are locked
};

// The colour of a stroke role for the interface theme, with the given alpha.
kit::Color CouleurDuTrait(RoleTrait role, bool sombre, double alpha);

class IconeChamp : public VueSuivie {
 public:
  // Active while the tool is selected (and, for the bottom, left and right margins, the
  // margins are not locked).
  bool estActive() const;

  void mouseDown(const kit::Event& event) override;
  void mouseEntered(const kit::Event& event) override;
  // The whole pictogram, whatever the rectangle to redraw.
  void drawRect(const kit::Rect& dirtyRect) override;

 protected:
  IconeChamp(const kit::Rect& frame, const ModeleIcone& modele);

 private:
  const ModeleIcone& modele_;
};

#endif
