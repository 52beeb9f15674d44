// The ruler units of the host by the short names people write: in, cm, pt, pi, mm, px, q,
// ft, yd, m.
#ifndef GUIDES_HOST_SESSION_RULERUNITS_H
#define GUIDES_HOST_SESSION_RULERUNITS_H

#include <cstdint>
#include <string_view>

namespace host {

// The host's code for a unit name, or 0 when the name is not one.
int16_t rulerUnitCode(std::string_view name);
// The name of a host code, or "?" for a code that is not one.
std::string_view rulerUnitName(int16_t code);
// One unit of a host code in points (the rulers' scale); 1 for a code that is not one.
double rulerUnitPoints(int16_t code);

}  // namespace host

#endif
