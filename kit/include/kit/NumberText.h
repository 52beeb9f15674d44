// The plain numeric readings of a control's text. They never depend on the locale.
//
// readLeadingFloat: the number at the start of the text, after leading spaces, tabs and
// line breaks: an optional sign, digits with at most one point as the decimal separator,
// an optional exponent ("e" or "E", optional sign, digits). Anything after the number is
// ignored, so "12.5 mm" reads 12.5 and "12,5" reads 12. Text that does not begin with a
// number ("abc", "", ".", "inf", "nan") reads 0. A number beyond the single-precision
// range reads as an infinity of its sign ("1e400" is +inf); one too small reads as 0.
//
// readLeadingInt / readLeadingInteger: the whole number at the start (optional sign,
// digits; "12.9" reads 12), saturated to the type's range ("99999999999" reads INT_MAX).
#pragma once

#include <string_view>

namespace kit {

float readLeadingFloat(std::string_view text);
double readLeadingDouble(std::string_view text);
int readLeadingInt(std::string_view text);
long readLeadingInteger(std::string_view text);

}  // namespace kit
