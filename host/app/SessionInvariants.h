// What must hold after every step of a random session, whatever the user did:
// - the host answered every call of the plug-ins without an error they are not entitled to
//   (an absent preference, a locked layer, no document, an artboard that is gone), and
//   logged no error of its own (calls out of order, contexts left pushed, keys dropped);
// - every coordinate of the front document is finite;
// - the guides laid out during the step hold, for each kind and each reference (artboard or
//   clicked object), the number of guides the panel's values give;
// - the preferences file is JSON with "NbrSets" from 0 to 8 and complete records for the
//   user sets 1 to NbrSets, and the popup of sets lists NbrSets + 4 items.
#ifndef GUIDES_HOST_APP_SESSIONINVARIANTS_H
#define GUIDES_HOST_APP_SESSIONINVARIANTS_H

#include <cstdint>
#include <string>

namespace host {

// Where a step starts: what the log holds, and from which generation art is new. Steps
// nest (those of a dialog run inside the step that opened it), so each keeps its own.
struct StepMark {
  uint64_t firstNewGeneration = 0;
  size_t logErrors = 0;
};

StepMark markStepStart();
// The first invariant broken since the mark, or an empty text. While a dialog runs modally
// the guides wait, so they are checked when it is over.
std::string checkStepEnd(const StepMark& mark);

// The checks one by one, each answering what is wrong or an empty text.
std::string checkSuiteCalls();
std::string checkFiniteCoordinates();
std::string checkGuidesLaidOutSince(uint64_t firstNewGeneration);
std::string checkPreferencesAndSetPopup();

}  // namespace host

#endif
