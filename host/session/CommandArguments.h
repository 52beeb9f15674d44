// Reading the arguments of session commands: numbers, counts and names, each refused with
// a message that says what was wrong.
#ifndef GUIDES_HOST_SESSION_COMMANDARGUMENTS_H
#define GUIDES_HOST_SESSION_COMMANDARGUMENTS_H

#include <cstdint>
#include <string>
#include <string_view>

#include "AITypes.h"

namespace host {

// A finite number that fits the host's single-precision coordinates.
AIReal coordinateArgument(std::string_view text);
// A whole number from 1 to max (a 1-based index, a count).
int32_t positiveArgument(std::string_view text, int32_t max);
// A name: valid UTF-8, not empty.
std::string nameArgument(std::string_view text);
// A rectangle "L T R B" with left < right and bottom < top (y upwards).
AIRealRect rectangleArgument(std::string_view left, std::string_view top, std::string_view right,
                             std::string_view bottom);
// A host result code turned into a message: nothing for 0, else throws CommandError.
void check(AIErr error);

}  // namespace host

#endif
