// Where the guides of one kind go: the segments computed from a reference rectangle and the
// set's values, with no host involved.
//
// Numeric rules, so that the positions are reproducible to the last bit: the arithmetic is
// done in double on the single-precision rectangle and the double set values; the products
// i × w and i × h and the differences R − L and T − B of the automatic sizes are single
// precision; every coordinate, and the column width and row height, is stored in single
// precision.
#ifndef GUIDES_GEOMETRIEREPERES_H
#define GUIDES_GEOMETRIEREPERES_H

#include <cstdint>
#include <vector>

#include "AITypes.h"

// The six kinds, in the order the tool lays them out.
enum class SorteDeRepere { MargeDroite, MargeGauche, MargeBas, MargeHaut, Colonnes, Lignes };

// On an artboard the margin guides run edge to edge; around an object they stop at the
// other margins and draw the frame of the margin box.
enum class ModeDeTrace { PourPlan, PourObjet };

struct SegmentDeRepere {
  AIRealPoint debut;
  AIRealPoint fin;
};

// The set values the layout reads, lengths in points.
struct ValeursDuSet {
  double margeHaut = 0, margeBas = 0, margeGauche = 0, margeDroite = 0;
  int32_t nombreDeColonnes = 0, nombreDeLignes = 0;
  double largeurDeColonnes = 0, hauteurDeLignes = 0;  // 0: shared equally
  double gouttiereColonnes = 0, gouttiereLignes = 0;
};

// The current set's values.
ValeursDuSet ValeursDuSetCourant();

// A count of columns or rows above this lays out nothing: 2 × 999 guides per kind and per
// rectangle is already far beyond any page layout, and a count typed by mistake (a million)
// would otherwise make the document unusable.
constexpr int32_t kNombreMaxDeDivisions = 1000;

// The segments of one kind, in the order they are laid out, replacing the content of
// `segments`: none for a margin of exactly 0 or a count of 1 or less; one per boundary for a
// gutter of 0 or less, two (either side of the gutter) for a positive gutter. Nothing is
// clamped: negative sizes and margins give guides outside the rectangle, and values too
// large for single precision give infinite coordinates. Returns false, with no segment,
// when the count is above kNombreMaxDeDivisions.
bool SegmentsDuRepere(SorteDeRepere sorte, const AIRealRect& rectangle, const ValeursDuSet& valeurs,
                      ModeDeTrace mode, std::vector<SegmentDeRepere>& segments);

// True when every coordinate of the segments is finite (the host refuses the others).
bool SegmentsFinis(const std::vector<SegmentDeRepere>& segments);

#endif
