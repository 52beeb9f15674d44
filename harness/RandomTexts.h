// The random draws of random sessions, and the texts a user might type into a field:
// plain and decimal-comma numbers, numbers with units, huge, negative, empty, not numbers
// at all, very long, and bytes that are not UTF-8. The draws are the standard's
// mt19937_64 reduced by modulo, so a seed gives the same session on every machine.
#ifndef GUIDES_HARNESS_RANDOMTEXTS_H
#define GUIDES_HARNESS_RANDOMTEXTS_H

#include <cstdint>
#include <initializer_list>
#include <random>
#include <iterator>
#include <string>

namespace harness {

class Random {
 public:
  explicit Random(uint64_t seed) : engine_(seed) {}

  // A whole number from 0 to n - 1 (n above 0).
  uint64_t below(uint64_t n) { return engine_() % n; }
  int between(int low, int high) { return low + static_cast<int>(below(static_cast<uint64_t>(high - low + 1))); }
  // True with the given chance out of 100.
  bool percent(int chance) { return below(100) < static_cast<uint64_t>(chance); }
  // One of the items of an array or a vector.
  template <class Items>
  const auto& pick(const Items& items) { return items[below(std::size(items))]; }
  template <class T>
  T pick(std::initializer_list<T> items) { return *(items.begin() + below(items.size())); }

 private:
  std::mt19937_64 engine_;
};

// A text for a length field.
std::string randomLengthText(Random& random);
// A text for a count field.
std::string randomCountText(Random& random);
// A name for a new set: usual ones, accented, empty, 80 and 81 characters, very long.
std::string randomSetName(Random& random);

}  // namespace harness

#endif
