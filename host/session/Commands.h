// The session language: one table of commands, each with its name, its arguments and a
// one-line description, so that a help text can be made from it.
#ifndef GUIDES_HOST_SESSION_COMMANDS_H
#define GUIDES_HOST_SESSION_COMMANDS_H

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "session/SessionSummary.h"

namespace host {

class Application;

// A command that cannot run: its message becomes "line N: <message>".
struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CommandContext {
  Application& application;
  std::ostream& out;
  int documentsMade = 0;  // names new documents "Document N"
  SummaryMarks summarised{};  // how far `print summary` has told the alerts and sounds
  bool quit = false;
  int refusals = 0;  // events refused so far (a hidden control, a modal run...)
  std::ostream* transcript = nullptr;  // where runCommand writes each command as a script line
};

using Arguments = std::vector<std::string>;

struct Command {
  std::string_view name;         // one or two words: "rect", "document new"
  std::string_view usage;        // the arguments: "L T R B [NAME]"
  std::string_view description;
  size_t required;               // arguments that must be given
  size_t optional;               // arguments that may follow
  bool lastRunsToEndOfLine;      // the last argument may hold spaces
  bool isEvent;                  // followed by the event loop's settle (printouts are not)
  void (*run)(CommandContext&, const Arguments&);
};

std::span<const Command> commandTable();

// Runs a command as a line of a script runs it: the event loop settles after an event.
void runCommand(CommandContext& context, const Command& command, const Arguments& arguments);
// The same by name, the line written to the context's transcript first, so that what the page
// does is what a script does, and can be kept as one. CommandError for an unknown name.
void runCommand(CommandContext& context, std::string_view name, const Arguments& arguments);

// The line before its comment: a '#' at its start or after a space or a tab starts one, so
// that "click 10 20 # the corner" is "click 10 20"; a '#' inside a word ("Set#2") is text.
std::string_view withoutComment(std::string_view line);

// The command a line names, with its arguments split as the command wants them; the
// line's comment is left out.
// Throws CommandError for an unknown command or a wrong number of arguments.
const Command& parseCommand(std::string_view line, Arguments* arguments);

}  // namespace host

#endif
