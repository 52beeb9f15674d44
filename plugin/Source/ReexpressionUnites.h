// The length fields re-expressed in another unit: for the set's unit chosen in the unit
// popup, and for the document's ruler unit when the host reports a change.
#ifndef GUIDES_REEXPRESSIONUNITES_H
#define GUIDES_REEXPRESSIONUNITES_H

#include "GuideSet.h"

// A number read from a field (single precision, widened) converted from one unit to
// another with the units' own constants (25.4 mm, 2.54 cm, 6 pi, 72 pt to the inch; 12 pt
// to the pica; 10 mm to the cm); millimetres and centimetres go to points through the
// single-precision millimetre factor, multiplied in single precision. The same unit, or a
// code outside 1 to 5, gives the number back.
double ConvertitEntreUnites(double nombre, CodeUnite de, CodeUnite vers);

// Every length field shown again in `cible`: each field's number is read in the unit its
// own text names (the working unit where it names none), converted, shown with two
// decimals at most and held in points. Nothing happens when `cible` is not 1 to 5; a field
// already in `cible`, or whose unit is unknown, is left as it is. A field whose number is
// not finite, or would not be a length the document can hold once converted, keeps its
// value and shows it in `cible`.
// Neither the working unit nor the set's changes, and no redraw is asked for.
void ReexprimeLongueurs(CodeUnite cible);

#endif
