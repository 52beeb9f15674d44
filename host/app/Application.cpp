#include "app/Application.h"

#include "model/PreferenceSaving.h"
#include "model/Shell.h"

namespace host {

namespace {

// The module already given that is the same file (same device and inode) as `module`,
// whatever the spelling or the links that lead to it; null when there is none. One file
// loaded twice would be one module in memory with two plug-ins' globals in it.
const PluginHost* sameModule(const std::vector<std::unique_ptr<PluginHost>>& given,
                             const std::filesystem::path& module) {
  for (const auto& plugin : given) {
    std::error_code error;
    if (std::filesystem::equivalent(plugin->path(), module, error)) return plugin.get();
  }
  return nullptr;
}

}  // namespace

Application::Application(const std::vector<std::filesystem::path>& modules) {
  for (const auto& module : modules) {
    if (const PluginHost* loaded = sameModule(plugins_, module)) {
      shell().log.error(module.filename().string() + ": the same module as " + loaded->fileName() +
                            ", which is loaded already; a module is loaded once",
                        module.string());
      continue;
    }
    plugins_.push_back(std::make_unique<PluginHost>(module));
  }
}

Application::~Application() { shutdown(); }

// A plug-in that fails to load or start is reported and the others go on without it.
void Application::start() {
  for (auto& plugin : plugins_) plugin->start();
  for (auto& plugin : plugins_) plugin->announceApplicationStarted();
  events_.settle();
}

// Plug-ins go in the reverse order of their start; what they stored on the way is saved.
void Application::shutdown() {
  for (auto plugin = plugins_.rbegin(); plugin != plugins_.rend(); ++plugin) (*plugin)->shutDown();
  savePreferences();
}

PluginHost* Application::runningPlugin(Ref plugin) const {
  if (plugin.isNull()) return nullptr;
  for (const auto& candidate : plugins_)
    if (candidate->isRunning() && candidate->ref() == plugin) return candidate.get();
  return nullptr;
}

void Application::notifyAll(std::string_view type) {
  for (auto& plugin : plugins_)
    if (plugin->isRunning()) {
      plugin->notify(type);
      events_.serveWaiting();
    }
}

void Application::restart() {
  shutdown();
  reportPreferencesOpened(shell().preferences.reload());
  start();
}

}  // namespace host
