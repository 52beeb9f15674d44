// Small shared routines: measurement units, the texts of the length fields, number texts
// and the plain numeric reading of a text.
#ifndef GUIDES_UTILITAIRES_H
#define GUIDES_UTILITAIRES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "GuideSet.h"

// The millimetre factor is the single-precision value nearest to 72/25.4, widened to double.
inline const double kPointsParMillimetre = static_cast<double>(static_cast<float>(72.0 / 25.4));

// PointsParUnite (declared with the set): 72, 28.346457481384277, 1, 12, 2.8346457481384277
// for codes 1 to 5; 0 for any other code.

// The suffix written after a value in the unit: " in", " cm", " pt", " pi", " mm"; empty
// for a code outside 1 to 5.
const char* SuffixeDUnite(CodeUnite code);

// The text a length field shows for a value already expressed in the unit of the code:
// two decimals, trailing zeros and a trailing point removed, the unit's suffix appended,
// and the point replaced by a comma when VirguleOuPoint is ','. Non-finite values give
// "inf", "-inf" or "nan" followed by the suffix.
std::string TexteDeValeur(double valeur, CodeUnite code);

// The unit whose abbreviation the text contains ("mm", "cm", "in", "pt", "pi" searched in
// this order), or kUniteAucune.
CodeUnite UniteDuTexte(std::string_view texte);

// ---- Reading a field's number. Which reader each input uses, and why:
// - A length typed and validated (the field's action, GuidesDialogueChamps):
//   ValeurDuTexteFinie, the field texts' own reading. A typed entry has always been read
//   this way (split at the first comma or point, a minus anywhere negates the fraction:
//   "1,2,3 mm" is 1.2), and in double, so that every digit the user typed is kept.
// - A length stepped by a button (GuidesDialoguePas) or an arrow key
//   (DelegateZeroUnUnGuides), or re-expressed in another unit (ReexpressionUnites):
//   LectureSimpleFinie, the plain reading. These start from the number the field shows,
//   read as the platform reads a field's number, in single precision; but the fields show
//   a comma, which the toolkit's floatValue stops at ("12,5 mm" would step from 12), so
//   the plain reading takes a comma or a point.
// - A count typed or stepped by a button: the toolkit's intValue, the whole number at the
//   start of the combo box's text; a count is a whole number.
// - A count stepped by an arrow key: LectureNumeriqueSimple, the plain reading, because
//   the arrow rounds to its step: "2,6" goes up by one to 4, where the whole number would
//   give 3.

// The number typed into a length field: split at the first comma (or else the first point)
// into an integer part and a fraction part, the fraction negated when the text holds a
// minus sign anywhere; without a separator, the plain reading of the whole text.
double ValeurDuTexte(std::string_view texte);

// ValeurDuTexte of a length that must stay finite: nothing when the text spells an
// infinity or a NaN, or when a part of its number is beyond double precision.
std::optional<double> ValeurDuTexteFinie(std::string_view texte);

// The plain numeric reading of a field: the number at the start of the text (leading
// blanks skipped, optional sign, digits, a point or a comma as the decimal separator, so
// that a field showing "12,5 mm" reads 12.5, optional exponent), read in single precision
// and widened to double; 0 when the text does not start with a number. A number too large
// for single precision reads as the largest finite value of its sign. Independent of the
// locale.
double LectureNumeriqueSimple(std::string_view texte);

// The plain reading of a length that must stay finite: nothing when the text spells an
// infinity or a NaN ("inf", "-Infinity", "nan", any case) or when its number is beyond
// single precision ("1e400"); the plain reading otherwise.
std::optional<double> LectureSimpleFinie(std::string_view texte);

// The same reading in double precision (used by ValeurDuTexte). A number too large for a
// double reads as the largest finite double of its sign.
double LectureNumerique(std::string_view texte);

// Writes the value rounded to `decimales` decimals (VirguleOuPoint, or '.' when it holds
// anything else, as the separator) followed by a zero terminator and returns the number of
// characters before the terminator. A negative value is written with a leading '-'; NaN
// and infinities are written "nan", "inf" and "-inf". A negative decimals count rounds to
// tens, hundreds... and writes no separator. A text that would not fit in `taille` bytes
// is not written at all: the buffer receives the empty text (when taille > 0) and the
// result is 0.
int NombreEnChaine(float valeur, int8_t decimales, char* sortie, size_t taille);

// The decimal text of a whole number. Written with snprintf rather than std::to_string,
// whose digit table the module would export as a unique symbol.
std::string TexteEntier(long long nombre);

// The highest count of columns or rows the panel accepts, however it comes (typed,
// stepped, read from a stored set): one typed number would otherwise make the host lay
// out millions of guides.
inline constexpr int32_t kNombreMaxDansLePanneau = 1000;

// A count as the panel keeps it: capped at kNombreMaxDansLePanneau, never converted with
// an overflow (NaN counts as 0, anything below INT32_MIN as INT32_MIN).
int32_t NombreDeDivisionsBorne(double nombre);

#endif
