#include "model/NumberText.h"

#include <array>
#include <charconv>

namespace host {

void appendNumber(std::string& out, double value) {
  std::array<char, 32> buffer{};  // the longest shortest form of a double is 24 characters
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

std::string numberText(double value) {
  std::string out;
  appendNumber(out, value);
  return out;
}

std::string floatText(float value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace host
