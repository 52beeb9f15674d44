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
}

// Plug-ins go in the reverse order of their start.
void Application::shutdown() {
  for (auto plugin = plugins_.rbegin(); plugin != plugins_.rend(); ++plugin) (*plugin)->shutDown();
}

void Application::restart() {
  shutdown();
  const PreferenceStore::Report report = shell().preferences.reload();
  if (!report.problem.empty()) shell().log.error(report.problem, report.detail);
  start();
}

}  // namespace host
