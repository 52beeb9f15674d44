#include "svg/SvgNumbers.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace host::svg {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view text, size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// The length of the number at the start of `text` by SVG's grammar, 0 when there is none.
size_t numberLength(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t integerEnd = skipDigits(text, at);
  size_t end = integerEnd;
  bool digits = integerEnd > at;
  if (end < text.size() && text[end] == '.') {
    const size_t fractionEnd = skipDigits(text, end + 1);
    digits = digits || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!digits) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = skipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  return end;
}

// What a number too large or too small for a double stands for: zero, or the infinity of
// its sign, so that a size of 1e999 is refused as infinite rather than read as 0.
double outOfRange(std::string_view number) {
  const size_t exponent = number.find_first_of("eE");
  const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
  const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  return number[0] == '-' ? -magnitude : magnitude;
}

std::string_view skipSeparators(std::string_view text, bool manyCommas) {
  size_t at = 0;
  bool comma = false;
  while (at < text.size() && (isSpace(text[at]) || (text[at] == ',' && (manyCommas || !comma)))) {
    comma = comma || text[at] == ',';
    ++at;
  }
  return text.substr(at);
}

}  // namespace

bool readNumber(std::string_view* text, double* number) {
  const std::string_view rest = skipSeparators(*text, false);
  const size_t length = numberLength(rest);
  if (length == 0) return false;
  const size_t sign = rest[0] == '+' ? 1 : 0;  // from_chars takes no '+'
  const auto result = std::from_chars(rest.data() + sign, rest.data() + length, *number);
  if (result.ec == std::errc::invalid_argument) return false;
  if (result.ec == std::errc::result_out_of_range) *number = outOfRange(rest.substr(0, length));
  *text = rest.substr(length);
  return true;
}

bool atEnd(std::string_view text) { return skipSeparators(text, true).empty(); }

bool readNumbers(std::string_view text, std::vector<double>* numbers) {
  double number = 0;
  while (readNumber(&text, &number)) numbers->push_back(number);
  return atEnd(text);
}

bool readLength(std::string_view text, Length* length) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  if (!readNumber(&text, &length->value) || (!text.empty() && isSpace(text.front()))) return false;
  length->unit = std::string(text);
  return true;
}

double pointsPerUnit(std::string_view unit) {
  if (unit.empty() || unit == "px") return 0.75;
  if (unit == "pt") return 1;
  if (unit == "pc") return 12;
  if (unit == "mm") return 72 / 25.4;
  if (unit == "cm") return 720 / 25.4;
  if (unit == "in") return 72;
  return 0;
}

std::string formatNumber(double number) {
  if (number == 0) return "0";  // no "-0"
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

}  // namespace host::svg
