#include "kit/NumberText.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace kit {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpaces(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  return i;
}

// The decimal number at the start of the text, split into its parts.
struct Scanned {
  bool found = false;
  bool negative = false;
  std::string_view literal;  // unsigned mantissa and exponent, as from_chars reads them
  long long magnitude = 0;   // roughly the power of ten of the value, for out-of-range results
};

Scanned scanDecimal(std::string_view text) {
  Scanned s;
  std::size_t i = skipSpaces(text);
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) s.negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t integerDigits = 0, leadingFractionZeros = 0;
  bool nonZeroSeen = false, anyDigit = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    anyDigit = true;
    if (text[i] != '0' || nonZeroSeen) {
      nonZeroSeen = true;
      ++integerDigits;
    }
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      anyDigit = true;
      if (!nonZeroSeen && text[i] == '0') ++leadingFractionZeros;
      else nonZeroSeen = true;
    }
  }
  if (!anyDigit) return s;
  std::size_t end = i;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    if (j < text.size() && isDigit(text[j])) {
      for (; j < text.size() && isDigit(text[j]); ++j)
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
      if (expNegative) exponent = -exponent;
      end = j;
    }
  }
  s.found = true;
  s.literal = text.substr(start, end - start);
  long long base = integerDigits > 0 ? static_cast<long long>(integerDigits) - 1
                                     : -static_cast<long long>(leadingFractionZeros) - 1;
  s.magnitude = nonZeroSeen ? base + exponent : std::numeric_limits<long long>::min();
  return s;
}

template <class Real>
Real readLeadingReal(std::string_view text) {
  Scanned s = scanDecimal(text);
  if (!s.found) return 0;
  Real value = 0;
  auto [ptr, ec] = std::from_chars(s.literal.data(), s.literal.data() + s.literal.size(), value,
                                   std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = s.magnitude >= 0 ? std::numeric_limits<Real>::infinity() : Real(0);
  } else if (ec != std::errc()) {
    value = 0;
  }
  return s.negative ? -value : value;
}

template <class Integer>
Integer readLeadingWhole(std::string_view text) {
  std::size_t i = skipSpaces(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr Integer maxValue = std::numeric_limits<Integer>::max();
  constexpr Integer minValue = std::numeric_limits<Integer>::min();
  Integer value = 0;  // accumulated towards the sign, so the minimum itself is reachable
  for (; i < text.size() && isDigit(text[i]); ++i) {
    Integer digit = text[i] - '0';
    if (negative) {
      if (value < (minValue + digit) / 10) return minValue;
      value = value * 10 - digit;
    } else {
      if (value > (maxValue - digit) / 10) return maxValue;
      value = value * 10 + digit;
    }
  }
  return value;
}

}  // namespace

float readLeadingFloat(std::string_view text) { return readLeadingReal<float>(text); }
double readLeadingDouble(std::string_view text) { return readLeadingReal<double>(text); }
int readLeadingInt(std::string_view text) { return readLeadingWhole<int>(text); }
long readLeadingInteger(std::string_view text) { return readLeadingWhole<long>(text); }

}  // namespace kit
