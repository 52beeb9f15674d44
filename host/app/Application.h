// The host application's run: its plug-ins started together (each "Startup", then the
// application-started notification once every one has started), shut down together, and
// restarted with the preferences read again from their file.
#ifndef GUIDES_HOST_APP_APPLICATION_H
#define GUIDES_HOST_APP_APPLICATION_H

#include <filesystem>
#include <memory>
#include <vector>

#include "app/PluginHost.h"

namespace host {

class Application {
 public:
  explicit Application(const std::vector<std::filesystem::path>& modules);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  void start();
  void shutdown();
  void restart();

  const std::vector<std::unique_ptr<PluginHost>>& plugins() const { return plugins_; }

 private:
  std::vector<std::unique_ptr<PluginHost>> plugins_;
};

}  // namespace host

#endif
