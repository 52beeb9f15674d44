#include "svg/TransformReading.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "svg/SvgNumbers.h"

namespace host::svg {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == ','; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// One function of the list with its arguments; false for a name or count SVG has not.
bool oneTransform(std::string_view name, const std::vector<double>& v, Affine* m) {
  const size_t n = v.size();
  if (name == "matrix" && n == 6) {
    *m = {v[0], v[1], v[2], v[3], v[4], v[5]};
  } else if (name == "translate" && (n == 1 || n == 2)) {
    *m = {1, 0, 0, 1, v[0], n == 2 ? v[1] : 0};
  } else if (name == "scale" && (n == 1 || n == 2)) {
    *m = {v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0};
  } else if (name == "rotate" && (n == 1 || n == 3)) {
    const double c = std::cos(radians(v[0])), s = std::sin(radians(v[0]));
    const Affine rotation{c, s, -s, c, 0, 0};
    if (n == 1) {
      *m = rotation;
    } else {
      *m = Affine{1, 0, 0, 1, v[1], v[2]}.after(rotation).after(Affine{1, 0, 0, 1, -v[1], -v[2]});
    }
  } else if (name == "skewX" && n == 1) {
    *m = {1, 0, std::tan(radians(v[0])), 1, 0, 0};
  } else if (name == "skewY" && n == 1) {
    *m = {1, std::tan(radians(v[0])), 0, 1, 0, 0};
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool readTransform(std::string_view text, Affine* transform) {
  Affine total;
  text = trimmed(text);
  while (!text.empty()) {
    const size_t open = text.find('(');
    const size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return false;
    std::vector<double> arguments;
    if (!readNumbers(text.substr(open + 1, close - open - 1), &arguments)) return false;
    Affine one;
    if (!oneTransform(trimmed(text.substr(0, open)), arguments, &one)) return false;
    total = total.after(one);
    text = trimmed(text.substr(close + 1));
  }
  *transform = total;
  return true;
}

}  // namespace host::svg
