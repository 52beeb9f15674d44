// The steps of the panel's values, by the plus and minus buttons and by the arrow keys,
// with their snapping and their lower bounds. Pure arithmetic: no control is touched.
#ifndef GUIDES_PASDESVALEURS_H
#define GUIDES_PASDESVALEURS_H

#include <cstdint>

#include "GuideSet.h"

// What bounds a length on the way down: a margin goes below zero, a size (column width,
// row height) and a gutter stop at zero.
enum class GenreLongueur { Marge, Taille, Gouttiere };

// A button's step in a unit, the large one with Shift: 0.1/0.5 for in, cm, pi; 1/5 for
// pt, mm. 0 for a code outside 1 to 5.
double PasDuBouton(CodeUnite unite, bool grand);
// An arrow key's step: as the buttons, except the pica, stepped by 1/5 like pt and mm.
double PasDuClavier(CodeUnite unite, bool grand);

// Plus: the next multiple of the step above v.
double PlusParBouton(double v, double pas);
// Minus: v less one step, brought up to a multiple of the step when it is not one; a
// gutter is raised to 0 before the snap, a size after it.
double MoinsParBouton(double v, double pas, GenreLongueur genre);
// Up or down by an arrow key: one step, then the nearest multiple of the step (halves away
// from zero); down, a size or a gutter is raised to 0.
double PasParClavier(double v, double pas, bool monte, GenreLongueur genre);

// A count stepped by its buttons: one more, or one less but never below 1. Never above the
// panel's cap, and no overflow from the largest count a field can read.
int32_t NombrePlusParBouton(int64_t n);
int32_t NombreMoinsParBouton(int64_t n);
// A count stepped by an arrow key, by 1 or by 2 with Shift: one step, then the nearest
// multiple of the step; down, never below 1; never above the panel's cap.
int32_t NombreParClavier(double v, bool grand, bool monte);

#endif
