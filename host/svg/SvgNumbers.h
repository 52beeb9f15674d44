// Numbers and lengths as SVG writes them, read and written without the C locale's say
// (a file reads the same under any LC_NUMERIC), and written back so that they read back
// to the same double.
#ifndef GUIDES_HOST_SVG_SVGNUMBERS_H
#define GUIDES_HOST_SVG_SVGNUMBERS_H

#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

// Skips white space and at most one comma, then reads one number of SVG's grammar
// ("-1.5e3", ".5", "+2."), advancing `text` past it. False, `text` unchanged, when none is
// there.
bool readNumber(std::string_view* text, double* number);

// Skips white space and commas; true when nothing else is left.
bool atEnd(std::string_view text);

// Every number of a list ("1 2,3 -4"); false when anything else is found.
bool readNumbers(std::string_view text, std::vector<double>* numbers);

// A length: a number and its unit ("210mm", "12", "50%").
struct Length {
  double value = 0;
  std::string unit;  // "", "px", "pt", "pc", "mm", "cm", "in", "%", or what else was written
};
bool readLength(std::string_view text, Length* length);

// Points in one unit of `unit` ("" and "px" are CSS pixels, 96 to the inch); 0 for a unit
// that is no absolute length ("%", "em", an unknown word).
double pointsPerUnit(std::string_view unit);

// The shortest text that reads back to `number` ("0.1", "1e-07", "-3").
std::string formatNumber(double number);

}  // namespace host::svg

#endif
