// The ten field icon views of the panel, one beside each value field, and the
// tracking-area globals of their classes.
#ifndef GUIDES_BOUTONSCHAMPS_H
#define GUIDES_BOUTONSCHAMPS_H

#include "IconeChamp.h"

extern kit::TrackingArea* trbttxtmargehaut;
extern kit::TrackingArea* trbttxtmargebas;
extern kit::TrackingArea* trbttxtmargegauche;
extern kit::TrackingArea* trbttxtmargedroite;
extern kit::TrackingArea* trbttxtnbrcol;
extern kit::TrackingArea* trbttxtnbrlignes;
extern kit::TrackingArea* trbttxtlargeurcol;
extern kit::TrackingArea* trbttxthauteurlignes;
extern kit::TrackingArea* trbttxtgouttierecol;
extern kit::TrackingArea* trbttxtlargeurlig;

// Top margin: a page with its top margin.
class BoutonMargeHaut : public IconeChamp {
 public:
  explicit BoutonMargeHaut(const kit::Rect& frame);
};

// Bottom margin: a page with its bottom margin; inactive while the margins are locked.
class BoutonMargeBas : public IconeChamp {
 public:
  explicit BoutonMargeBas(const kit::Rect& frame);
};

// Left margin: a page with its left margin; inactive while the margins are locked.
class BoutonMargeGauche : public IconeChamp {
 public:
  explicit BoutonMargeGauche(const kit::Rect& frame);
};

// Right margin: a page with its right margin; inactive while the margins are locked.
class BoutonMargeDroite : public IconeChamp {
 public:
  explicit BoutonMargeDroite(const kit::Rect& frame);
};

// Number of columns: two columns with a plus and a minus sign.
class BoutonNombreColonnes : public IconeChamp {
 public:
  explicit BoutonNombreColonnes(const kit::Rect& frame);
};

// Number of rows: two rows with a plus above a minus.
class BoutonNombreLignes : public IconeChamp {
 public:
  explicit BoutonNombreLignes(const kit::Rect& frame);
};

// Column width: two columns with the measured width between arrow heads.
class BoutonLargeurColonnes : public IconeChamp {
 public:
  explicit BoutonLargeurColonnes(const kit::Rect& frame);
};

// Row height: two rows with the measured height between arrow heads.
class BoutonHauteurLignes : public IconeChamp {
 public:
  explicit BoutonHauteurLignes(const kit::Rect& frame);
};

// Gutter between columns: the gap between two columns, measured.
class BoutonGouttiereColonnes : public IconeChamp {
 public:
  explicit BoutonGouttiereColonnes(const kit::Rect& frame);
};

// Gutter between rows: the gap between two rows, measured.
class BoutonGouttiereLignes : public IconeChamp {
 public:
  explicit BoutonGouttiereLignes(const kit::Rect& frame);
};

#endif
