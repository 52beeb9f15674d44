// Session commands on the run of the plug-ins.
#include "app/Application.h"
#include "app/CommandHandlers.h"

namespace host {

void restart(CommandContext& context, const Arguments&) { context.application.restart(); }

void quit(CommandContext& context, const Arguments&) { context.quit = true; }

}  // namespace host
