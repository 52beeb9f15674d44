// Random sessions (guides-host --random N [--seed S]): N valid steps drawn from a seed run
// in-process through the command table, the host's invariants checked after each. The same
// seed gives the same steps, so a failure is replayed with its seed; --steps prints every
// step as a session line, which makes a script of the session up to the failure.
#ifndef GUIDES_HOST_SESSION_RANDOMSESSION_H
#define GUIDES_HOST_SESSION_RANDOMSESSION_H

#include <ostream>

#include "session/HostOptions.h"

namespace host {

// Runs the session the options describe against the plug-ins they name (the default
// module by default), with the steps and the invariants of the registered extension, and
// preferences in a fresh file of its own unless --prefs names one. Prints the seed first;
// the exit status is 0 when every step kept the invariants, 1 otherwise, with the seed,
// the step and its line written to errors, or when no extension draws random steps.
int runRandomSession(const HostOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace host

#endif
