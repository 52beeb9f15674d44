// Numbers as the host prints them: the shortest decimal that reads back to the same double.
#ifndef GUIDES_HOST_MODEL_NUMBERTEXT_H
#define GUIDES_HOST_MODEL_NUMBERTEXT_H

#include <string>

namespace host {

// 586.4960327148438, 842 (not 842.0), -0.5.
std::string numberText(double value);
void appendNumber(std::string& out, double value);
// The shortest decimal that reads back to the same float, as a user types it: 0.1, not
// 0.10000000149011612.
std::string floatText(float value);

}  // namespace host

#endif
