// The host's text printouts of its state, one line each, as the print commands show them.
#ifndef GUIDES_HOST_SESSION_PRINTOUTS_H
#define GUIDES_HOST_SESSION_PRINTOUTS_H

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Shell.h"

namespace host {

// The front document: a header line, its artboards, its layers (top first), then its art
// as artLines shows it. "no document" when none is open.
std::vector<std::string> documentLines(const Model& model);

// Every stored preference: "[section] key = type value", sections and keys in order; the
// host's own section is "[]".
std::vector<std::string> preferenceLines(const PreferenceStore& store);

// The log, the alerts shown, then the suites: "suites: A acquired, R released, H held" and
// one "suite NAME VERSION: A acquired, R released" line for each suite ever acquired.
std::vector<std::string> logLines(const Shell& shell, const Model& model);

}  // namespace host

#endif
