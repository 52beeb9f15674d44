// Session commands for sessions that tell a story: a line of narration, and a one-line
// account of what the last steps did.
#include "app/Application.h"
#include "session/CommandHandlers.h"
#include "session/SessionSummary.h"

namespace host {

void say(CommandContext& context, const Arguments& arguments) {
  context.out << (arguments.empty() ? std::string() : arguments[0]) << '\n';
  context.out.flush();
}

void printSummary(CommandContext& context, const Arguments&) {
  context.out << "  " << summaryLine(context.application.events(), context.summarised) << '\n';
  context.out.flush();
}

}  // namespace host
