// The preferences file is written byte for byte as the JSON library's own dump wrote it
// before: keys in byte order, two spaces a level, the library's escapes and shortest digits;
// and a file that dump wrote reads back to the same values and writes again to the same bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "model/PreferenceStore.h"

namespace {

using host::PreferenceStore;
using Limits = std::numeric_limits<double>;

// Every escape and every form of number the dump writes, with the bytes it wrote for them.
const PreferenceStore::Sections kStore = {
    {"", {{"snapomatic/Color/red", 0.25}}},
    {"RaltoGuides",
     {{"B0", false}, {"B1", true}, {"I", std::numeric_limits<int32_t>::min()}, {"R0", -0.0}, {"R1", 1.0},
      {"R2", 0.1}, {"R3", 1e15}, {"R4", 1e16}, {"R5", 1e-4}, {"R6", 1e-5}, {"R7", Limits::max()},
      {"R8", Limits::denorm_min()}, {"R9", -123456789012345678.0},
      {"S", std::string("\"\\/ \x7f\b\f\n\r\t\x01\x1f", 12) + std::string(1, '\0') + "é😀"},
      {"Vide", std::string()}}},
    {"é\t", {}},
};

std::string typed(const char* key, const char* type, const char* value, bool last = false) {
  return std::string("    \"") + key + "\": {\n      \"" + type + "\": " + value + "\n    }" + (last ? "\n" : ",\n");
}

const std::string kFile =
    "{\n  \"\": {\n" + typed("snapomatic/Color/red", "real", "0.25", true) + "  },\n  \"RaltoGuides\": {\n" +
    typed("B0", "boolean", "false") + typed("B1", "boolean", "true") + typed("I", "integer", "-2147483648") +
    typed("R0", "real", "-0.0") + typed("R1", "real", "1.0") + typed("R2", "real", "0.1") +
    typed("R3", "real", "1e+15") + typed("R4", "real", "1e+16") + typed("R5", "real", "0.0001") +
    typed("R6", "real", "1e-05") + typed("R7", "real", "1.7976931348623157e+308") + typed("R8", "real", "5e-324") +
    typed("R9", "real", "-1.2345678901234568e+17") +
    typed("S", "string", R"("\"\\/ )" "\x7f" R"(\b\f\n\r\t\u0001\u001f\u0000é😀")") +
    typed("Vide", "string", "\"\"", true) + "  },\n  \"é\\t\": {}\n}\n";

TEST(PreferenceWriting, WritesTheBytesTheLibrarysDumpWrote) {
  EXPECT_EQ(host::serialize(kStore), kFile);
  EXPECT_EQ(host::serialize({}), "{}\n");
}

TEST(PreferenceWriting, AFileTheDumpWroteReadsToTheSameValuesAndWritesToTheSameBytes) {
  PreferenceStore::Sections read;
  std::string reason;
  ASSERT_TRUE(host::parse(kFile, &read, &reason)) << reason;
  std::erase_if(read, [](const auto& section) { return section.second.empty(); });  // never stored
  PreferenceStore::Sections stored = kStore;
  std::erase_if(stored, [](const auto& section) { return section.second.empty(); });
  EXPECT_EQ(read, stored);
  const double back = std::get<double>(read["RaltoGuides"]["R0"]), minusZero = -0.0;
  EXPECT_EQ(std::memcmp(&back, &minusZero, sizeof back), 0);  // the sign of zero too
  read["é\t"];
  EXPECT_EQ(host::serialize(read), kFile);
}

}  // namespace
