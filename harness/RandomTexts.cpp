#include "harness/RandomTexts.h"

namespace harness {

namespace {

std::string number(Random& random) {
  std::string text = std::to_string(random.between(0, 60));
  if (random.percent(40)) text += (random.percent(50) ? "," : ".") + std::to_string(random.between(0, 99));
  return text;
}

std::string withUnit(Random& random, std::string text) {
  const char* unit = random.pick({"mm", "cm", "pt", "pi", "in", "px", "µm", "MM"});
  return text + (random.percent(70) ? " " : "") + unit;
}

// Texts people type by mistake, or to see what happens.
const char* const kOddTexts[] = {
    "abc", "mm", "--", "+", ".", ",", "e5", "nan", "inf", "-inf", "1,2,3", ",5", "1 2", "0x1F",
    "-0", "+3", "12abc", "é", "½", "1e", "٣", "\t7",
};

const char* const kHugeTexts[] = {
    "1e39", "1e308", "1e309", "-1e308", "99999999999999999999", "340282366920938463463374607431768211456",
    "2147483647", "2147483648", "-2147483649", "1e-320", "0.0000001", "123456789012,345",
};

// Bytes that are not UTF-8: a lone continuation (split from its digits, which would extend the
// escape), a cut sequence, an overlong form.
const char* const kBrokenUtf8[] = {("\x80" "12"), "3\xc3", "\xc3\x28 mm", "\xff\xfe", "4\xe2\x82 cm", "\xc0\xaf"};

std::string veryLong(Random& random) {
  const size_t length = static_cast<size_t>(random.between(100, 3000));
  if (random.percent(50)) return std::string(length, static_cast<char>('0' + random.below(10)));
  std::string text;
  while (text.size() < length) text += random.percent(50) ? "9" : "é,";
  return text;
}

}  // namespace

std::string randomLengthText(Random& random) {
  switch (random.below(10)) {
    case 0: case 1: return number(random);
    case 2: case 3: case 4: return withUnit(random, number(random));
    case 5: return "-" + (random.percent(50) ? number(random) : withUnit(random, number(random)));
    case 6: return random.percent(50) ? std::string() : std::string(random.pick(kOddTexts));
    case 7: return random.pick(kHugeTexts);
    case 8: return random.percent(60) ? std::string(random.pick(kBrokenUtf8)) : veryLong(random);
    default: return withUnit(random, std::to_string(random.between(0, 5)));
  }
}

std::string randomCountText(Random& random) {
  switch (random.below(8)) {
    case 0: case 1: case 2: case 3: return std::to_string(random.between(0, 12));
    case 4: return random.pick({"-1", "-5", "0", "1000", "1001", "2147483648", "3,5", "2.7"});
    case 5: return std::to_string(random.between(13, 40));
    case 6: return random.percent(50) ? std::string() : std::string(random.pick(kOddTexts));
    default: return random.percent(50) ? std::string(random.pick(kBrokenUtf8)) : veryLong(random);
  }
}

std::string randomSetName(Random& random) {
  switch (random.below(6)) {
    case 0: return "Mise en page " + std::to_string(random.between(1, 99));
    case 1: return "Légère é à ç Œ";
    case 2: return std::string(random.percent(50) ? 80 : 81, 'n');
    case 3: return std::string(80, 'a') + "é";  // 81 characters, 82 bytes
    case 4: return random.percent(50) ? std::string() : std::string(random.pick(kBrokenUtf8));
    default: return veryLong(random);
  }
}

}  // namespace harness
