// Helpers shared by the suite implementations: handles to model references and back, and
// the host's way of handing a new string to the caller.
#ifndef GUIDES_HOST_SUITES_SUITESUPPORT_H
#define GUIDES_HOST_SUITES_SUITESUPPORT_H

#include <string_view>

#include "AITypes.h"
#include "model/Model.h"
#include "model/Ref.h"

namespace host {

// Stores a new string holding text into *out. A string already in *out is disposed once
// the new one exists; a stale one there is refused (kBadParameterErr) and *out kept.
AIErr returnString(std::string_view text, AIUnicodeStringRef* out);

// The text of a string received from the caller: empty for null, null when stale.
const std::string* receivedString(AIUnicodeStringRef string);

inline AIBoolean toBoolean(bool value) { return value ? 1 : 0; }

}  // namespace host

#endif
