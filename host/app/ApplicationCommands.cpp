// Session commands on the run of the plug-ins.
#include "app/Application.h"
#include "app/CommandHandlers.h"
#include "app/CommandSupport.h"

namespace host {

// A dialog running modally runs inside a plug-in's code, which a restart would unload.
void restart(CommandContext& context, const Arguments&) {
  if (refusedWhileModal(context, "restart")) return;
  context.application.restart();
}

void quit(CommandContext& context, const Arguments&) { context.quit = true; }

}  // namespace host
