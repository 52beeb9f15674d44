// Session commands on the run of the plug-ins.
#include "app/Application.h"
#include "model/Shell.h"
#include "session/CommandHandlers.h"
#include "session/CommandSupport.h"

namespace host {

// A dialog running modally runs inside a plug-in's code, which a restart would unload.
void restart(CommandContext& context, const Arguments&) {
  if (refusedWhileModal(context, "restart")) return;
  context.application.restart();
}

void quit(CommandContext& context, const Arguments&) { context.quit = true; }

// What the host does when memory runs low: every running plug-in is asked to release its
// caches ('pFls' when it did); plug-ins unloaded while idle are not loaded again for that.
void purge(CommandContext& context, const Arguments&) {
  for (const auto& plugin : context.application.plugins()) {
    if (!plugin->isRunning() || plugin->isUnloadedWhileIdle()) continue;
    SPInterfaceMessage message{};
    const AIErr result = plugin->send(kSPCacheCaller, kSPPluginPurgeCachesSelector, message);
    context.out << "purge: " << plugin->fileName() << " answered " << resultText(result)
                << (result == kPurgedErr ? " (released its caches)" : "") << std::endl;
  }
}

// A dialog running modally runs inside a plug-in's code, which must stay in memory.
void unload(CommandContext& context, const Arguments&) {
  if (refusedWhileModal(context, "unload")) return;
  for (const auto& plugin : context.application.plugins()) {
    if (!plugin->isRunning() || plugin->isUnloadedWhileIdle()) continue;
    const bool locked = shell().plugins.accessCount(plugin->ref()) > 0;
    if (locked || !plugin->unloadWhileIdle())
      context.out << "unload: " << plugin->fileName() << " stays loaded"
                  << (locked ? ", it holds an access lock" : "") << std::endl;
    else
      context.out << "unload: " << plugin->fileName() << " unloaded" << std::endl;
  }
}

}  // namespace host
