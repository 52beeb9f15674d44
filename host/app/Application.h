// The host application's run: its plug-ins started together (each "Startup", then the
// application-started notification once every one has started), shut down together, and
// restarted with the preferences read again from their file. It runs the event loop that
// carries the user's events to them.
#ifndef GUIDES_HOST_APP_APPLICATION_H
#define GUIDES_HOST_APP_APPLICATION_H

#include <filesystem>
#include <memory>
#include <vector>

#include "app/EventLoop.h"
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
  // The running plug-in a reference names, or null.
  PluginHost* runningPlugin(Ref plugin) const;
  // Sends a notification of a type to every running plug-in, in order of start, then
  // serves what it left waiting.
  void notifyAll(std::string_view type);

  EventLoop& events() { return events_; }

 private:
  std::vector<std::unique_ptr<PluginHost>> plugins_;
  EventLoop events_{*this};
};

}  // namespace host

#endif
