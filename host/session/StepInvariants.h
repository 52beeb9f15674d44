// What must hold after every step of a random session, whatever the user did and whatever
// plug-in runs:
// - the host answered every call of the plug-ins without an error they are not entitled to
//   (an absent preference, a locked layer, no document, an artboard that is gone), and
//   logged no error of its own (calls out of order, contexts left pushed, keys dropped);
// - every coordinate of the front document is finite;
// then what the registered extension checks of its plug-in.
#ifndef GUIDES_HOST_SESSION_STEPINVARIANTS_H
#define GUIDES_HOST_SESSION_STEPINVARIANTS_H

#include <string>

#include "session/SessionExtension.h"

namespace host {

StepMark markStepStart();
// The first invariant broken since the mark, or an empty text.
std::string checkStepEnd(const StepMark& mark);

// The host's checks one by one, each answering what is wrong or an empty text.
std::string checkSuiteCalls();
std::string checkFiniteCoordinates();

}  // namespace host

#endif
