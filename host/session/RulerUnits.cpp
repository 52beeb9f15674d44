#include "session/RulerUnits.h"

#include "AIDocument.h"

namespace host {

namespace {

struct Unit {
  std::string_view name;
  int16_t code;
};

constexpr Unit kUnits[] = {
    {"in", kInchesUnits}, {"cm", kCentimetersUnits}, {"pt", kPointsUnits}, {"pi", kPicasUnits},
    {"mm", kMillimetersUnits}, {"px", kPixelsUnits}, {"q", kQUnits},       {"ft", kFeetUnits},
    {"yd", kYardsUnits},  {"m", kMetersUnits},
};

}  // namespace

int16_t rulerUnitCode(std::string_view name) {
  for (const Unit& unit : kUnits)
    if (unit.name == name) return unit.code;
  return 0;
}

std::string_view rulerUnitName(int16_t code) {
  for (const Unit& unit : kUnits)
    if (unit.code == code) return unit.name;
  return "?";
}

}  // namespace host
