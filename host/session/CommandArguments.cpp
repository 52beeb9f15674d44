#include "session/CommandArguments.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/HostLog.h"
#include "model/StringTable.h"
#include "session/Commands.h"

namespace host {

namespace {

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

AIReal coordinateArgument(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw CommandError(quoted(text) + " is not a number");
  if (!std::isfinite(value)) throw CommandError(quoted(text) + " is not a finite number");
  if (std::fabs(value) > std::numeric_limits<AIReal>::max())
    throw CommandError(quoted(text) + " is out of range");
  return static_cast<AIReal>(value);
}

int32_t positiveArgument(std::string_view text, int32_t max) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range || (error == std::errc() && (value < 1 || value > max)))
    throw CommandError(quoted(text) + " is not between 1 and " + std::to_string(max));
  if (error != std::errc() || end != text.data() + text.size())
    throw CommandError(quoted(text) + " is not a whole number");
  return value;
}

std::string nameArgument(std::string_view text) {
  if (text.empty()) throw CommandError("a name is needed");
  if (!isValidUtf8(text)) throw CommandError("the name is not valid UTF-8");
  return std::string(text);
}

AIRealRect rectangleArgument(std::string_view left, std::string_view top, std::string_view right,
                             std::string_view bottom) {
  const AIRealRect rect{coordinateArgument(left), coordinateArgument(top), coordinateArgument(right),
                        coordinateArgument(bottom)};
  if (!(rect.left < rect.right) || !(rect.bottom < rect.top))
    throw CommandError("the rectangle needs left < right and bottom < top");
  return rect;
}

void check(AIErr error) {
  if (error == kNoErr) return;
  std::string reason;
  switch (error) {
    case kLayerLockedErr:
      reason = "the layer is locked";
      break;
    case kNoDocumentErr:
      reason = "no document is open";
      break;
    case kNotFiniteErr:
      reason = "a coordinate is out of range";
      break;
    case kTooManyErr:
      reason = "too many objects";
      break;
    default:
      reason = "refused with " + resultText(error);
  }
  throw CommandError(reason);
}

}  // namespace host
