#include "session/RulerUnits.h"

#include "AIDocument.h"

namespace host {

namespace {

struct Unit {
  std::string_view name;
  int16_t code;
  double points;  // one unit in points: an inch is 72 points, a Q a quarter millimetre
};

constexpr Unit kUnits[] = {
    {"in", kInchesUnits, 72},         {"cm", kCentimetersUnits, 72 / 2.54}, {"pt", kPointsUnits, 1},
    {"pi", kPicasUnits, 12},          {"mm", kMillimetersUnits, 72 / 25.4}, {"px", kPixelsUnits, 1},
    {"q", kQUnits, 72 / 101.6},       {"ft", kFeetUnits, 864},              {"yd", kYardsUnits, 2592},
    {"m", kMetersUnits, 7200 / 2.54},
};

}  // namespace

int16_t rulerUnitCode(std::string_view name) {
  for (const Unit& unit : kUnits)
    if (unit.name == name) return unit.code;
  return 0;
}

double rulerUnitPoints(int16_t code) {
  for (const Unit& unit : kUnits)
    if (unit.code == code) return unit.points;
  return 1;
}

std::string_view rulerUnitName(int16_t code) {
  for (const Unit& unit : kUnits)
    if (unit.code == code) return unit.name;
  return "?";
}

}  // namespace host
