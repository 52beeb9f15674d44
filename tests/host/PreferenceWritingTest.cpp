// The preferences file is written byte for byte as the JSON library's own dump wrote it
// before (the reference below builds the library's tree and dumps it): same key order,
// indentation, escapes and number digits, for random stores of every type of value; and a
// file that dump wrote reads back to the same values and writes again to the same bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <nlohmann/json.hpp>

#include "model/PreferenceStore.h"

namespace {

using host::PreferenceStore;

std::string referenceText(const PreferenceStore::Sections& sections) {
  nlohmann::json root = nlohmann::json::object();
  for (const auto& [name, section] : sections) {
    nlohmann::json& out = root[name] = nlohmann::json::object();
    for (const auto& [key, value] : section) {
      static constexpr const char* kTypes[] = {"boolean", "integer", "real", "string"};
      nlohmann::json& typed = out[key] = nlohmann::json::object();
      const char* type = kTypes[value.index()];
      std::visit([&typed, type](const auto& v) { typed[type] = v; }, value);
    }
  }
  return root.dump(2) + "\n";
}

class RandomValues {
 public:
  explicit RandomValues(uint64_t seed) : random_(seed) {}

  // Texts with quotes, backslashes, every control character, DEL, accents and emoji.
  std::string text() {
    static const char* const kPieces[] = {"a", "Z", "9", " ", "\"", "\\", "/", "\x7f", "é", "Ω", "😀", "\t", "\n",
                                          "\r", "\b", "\f", "\x01", "\x1f", "\x00", "Cle", "Marges", "{", "}", ":"};
    std::string made;
    for (uint32_t n = below(12); n > 0; --n) {
      const char* piece = kPieces[below(std::size(kPieces))];
      made.append(piece, std::max<size_t>(1, std::strlen(piece)));  // "\x00" counts as one byte
    }
    return made;
  }

  // Reals of every magnitude and form: whole, tiny, huge, thirds, negative zero, the limits.
  double real() {
    switch (below(7)) {
      case 0: return static_cast<double>(static_cast<int64_t>(random_()) >> below(63));
      case 1: return std::ldexp(uniform() - 0.5, static_cast<int>(below(2000)) - 1000);
      case 2: return static_cast<double>(below(100000)) / (1 + below(9999));
      case 3: return static_cast<double>(static_cast<float>(uniform() * 1000));
      case 4: {
        static constexpr double kEdges[] = {0.0, -0.0, 1.0, -1.0, 1e15, 1e16, 1e-4, 1e-5, 0.1, 1e21, 123456789012345678.0,
                                            std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                                            std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::lowest()};
        return kEdges[below(std::size(kEdges))];
      }
      default: return (uniform() - 0.5) * std::pow(10.0, static_cast<double>(below(40)) - 20);
    }
  }

  PreferenceStore::Value value() {
    switch (below(4)) {
      case 0: return below(2) == 0;
      case 1: return static_cast<int32_t>(static_cast<uint32_t>(random_()));
      case 2: return real();
      default: return text();
    }
  }

  PreferenceStore::Sections sections() {
    PreferenceStore::Sections made;
    for (uint32_t s = below(6); s > 0; --s) {
      PreferenceStore::Section& section = made[below(3) ? text() : std::string()];
      for (uint32_t k = below(10); k > 0; --k) section[text() + "k"] = value();
    }
    return made;
  }

 private:
  uint32_t below(size_t n) { return static_cast<uint32_t>(std::uniform_int_distribution<size_t>(0, n - 1)(random_)); }
  double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }
  std::mt19937_64 random_;
};

TEST(PreferenceWriting, WritesTheBytesTheLibrarysDumpWrote) {
  for (uint64_t seed = 1; seed <= 3000; ++seed) {
    RandomValues random(seed);
    const PreferenceStore::Sections sections = random.sections();
    ASSERT_EQ(host::serialize(sections), referenceText(sections)) << "seed " << seed;
  }
  EXPECT_EQ(host::serialize({}), "{}\n");
  EXPECT_EQ(host::serialize({{"", {}}}), "{\n  \"\": {}\n}\n");
}

TEST(PreferenceWriting, AFileThePreviousWriterMadeReadsToTheSameValuesAndWritesToTheSameBytes) {
  for (uint64_t seed = 1; seed <= 1000; ++seed) {
    RandomValues random(seed);
    PreferenceStore::Sections sections = random.sections();
    std::erase_if(sections, [](const auto& section) { return section.second.empty(); });  // never stored
    const std::string before = referenceText(sections);
    PreferenceStore::Sections read;
    std::string reason;
    ASSERT_TRUE(host::parse(before, &read, &reason)) << "seed " << seed << ": " << reason;
    ASSERT_EQ(read.size(), sections.size()) << "seed " << seed;
    for (const auto& [name, section] : sections)
      for (const auto& [key, value] : section) {
        const PreferenceStore::Value& back = read[name][key];
        ASSERT_EQ(back.index(), value.index()) << "seed " << seed << " key " << key;
        if (const double* real = std::get_if<double>(&value))  // the same double, -0.0 included
          ASSERT_EQ(std::memcmp(real, &std::get<double>(back), sizeof(double)), 0) << "seed " << seed;
        else
          ASSERT_EQ(back, value) << "seed " << seed << " key " << key;
      }
    ASSERT_EQ(host::serialize(read), before) << "seed " << seed;
  }
}

}  // namespace
