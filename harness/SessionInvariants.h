// What must hold after every step of a random session for the guides plug-in, after the
// host's own invariants held:
// - the guides laid out during the step hold, for each kind and each reference (artboard or
//   clicked object), the number of guides the panel's values give;
// - the preferences file is JSON with "NbrSets" from 0 to 8 and complete records for the
//   user sets 1 to NbrSets, and the popup of sets lists NbrSets + 4 items.
#ifndef GUIDES_HARNESS_SESSIONINVARIANTS_H
#define GUIDES_HARNESS_SESSIONINVARIANTS_H

#include <cstdint>
#include <string>

#include "session/SessionExtension.h"

namespace harness {

// The first of these broken since the mark, or an empty text. While a dialog runs modally
// the guides wait, so they are checked when it is over.
std::string checkStep(const host::StepMark& mark);

// The checks one by one, each answering what is wrong or an empty text.
std::string checkGuidesLaidOutSince(uint64_t firstNewGeneration);
std::string checkPreferencesAndSetPopup();

}  // namespace harness

#endif
