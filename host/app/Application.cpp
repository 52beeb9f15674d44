#include "app/Application.h"

#include "model/Shell.h"

namespace host {

Application::Application(const std::vector<std::filesystem::path>& modules) {
  for (const auto& module : modules) plugins_.push_back(std::make_unique<PluginHost>(module));
}

Application::~Application() { shutdown(); }

// A plug-in that fails to load or start is reported and the others go on without it.
void Application::start() {
  for (auto& plugin : plugins_) plugin->start();
  for (auto& plugin : plugins_) plugin->announceApplicationStarted();
  events_.settle();
}

// Plug-ins go in the reverse order of their start.
void Application::shutdown() {
  for (auto plugin = plugins_.rbegin(); plugin != plugins_.rend(); ++plugin) (*plugin)->shutDown();
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
  const PreferenceStore::Report report = shell().preferences.reload();
  if (!report.problem.empty()) shell().log.error(report.problem, report.detail);
  start();
}

}  // namespace host
