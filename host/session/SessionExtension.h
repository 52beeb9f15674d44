// What a plug-in's harness adds to the session language, the host itself knowing no
// plug-in: its parts of the prompt's state line and of `print summary`, the steps of random
// sessions and what must hold after each, and the module loaded when no --plugin names one.
// The harness registers one extension before the host runs; with none, the host has only
// its own parts, and no random sessions.
#ifndef GUIDES_HOST_SESSION_SESSIONEXTENSION_H
#define GUIDES_HOST_SESSION_SESSIONEXTENSION_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "session/Commands.h"

namespace host {

class EventLoop;

// Follows the commands of one prompt for the parts it adds to the state line.
class StateLineParts {
 public:
  virtual ~StateLineParts() = default;
  virtual void beforeCommand() {}
  // `delivered`: the command neither failed nor was refused.
  virtual void afterCommand(const Command&, const Arguments&, bool /*delivered*/) {}
  // The parts shown after the host's own, each with its leading " | ".
  virtual std::string text() const = 0;
};

// The lines of one random session, each valid in the session's present state.
class RandomSteps {
 public:
  virtual ~RandomSteps() = default;
  // The next line, or nothing when the dialog running modally could not be closed by its
  // buttons or keys.
  virtual std::optional<std::string> next() = 0;
};

// Where a step of a random session starts: what the log holds, and from which generation
// art is new. Steps nest (those of a dialog run inside the step that opened it).
struct StepMark {
  uint64_t firstNewGeneration = 0;
  size_t logErrors = 0;
};

class SessionExtension {
 public:
  virtual ~SessionExtension() = default;

  // The plug-in module loaded when no --plugin names one, by its file name, looked for at
  // ../plugin/ from the host's folder; empty for none.
  virtual std::string defaultModuleName() const { return {}; }

  // The state line's parts for a new prompt, or nothing.
  virtual std::unique_ptr<StateLineParts> stateLineParts() const { return nullptr; }

  // The parts of `print summary` between the last click and the hints, each with its
  // leading " | ".
  virtual std::string summaryParts() const { return {}; }

  // The steps of a random session drawn from `seed`, or nothing when random sessions are
  // not offered. The events let the steps open menus as a user does.
  virtual std::unique_ptr<RandomSteps> randomSteps(uint64_t /*seed*/, EventLoop& /*events*/) const {
    return nullptr;
  }
  // The first of the harness's invariants broken since the mark, or an empty text; it is
  // asked after the host's own held.
  virtual std::string checkStep(const StepMark& /*mark*/) const { return {}; }
};

// The extension the session language uses from now on (nothing: none). It must outlive
// the runs that use it.
void registerSessionExtension(const SessionExtension* extension);
// The extension registered, or one that adds nothing.
const SessionExtension& sessionExtension();

}  // namespace host

#endif
