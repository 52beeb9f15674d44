#include "server/ServeRun.h"

#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iostream>

#include "app/Application.h"
#include "session/CommandHandlers.h"
#include "app/EventSourceScope.h"
#include "app/HostRun.h"
#include "session/Session.h"
#include "server/HostTools.h"
#include "server/StatePublisher.h"
#include "server/StopSignals.h"
#include "server/WebServer.h"
#include "server/WebSession.h"

extern char** environ;

namespace host {

namespace {

// While the page is served, a dialog's modal run takes its events from the page too.
class PageEventSource : public kit::EventSource {
 public:
  explicit PageEventSource(HostQueue& queue) : queue_(queue) {}
  bool runNextEvent() override { return queue_.runNext(); }

 private:
  HostQueue& queue_;
};

// The page is never empty: two A4 artboards in millimetres, as a new user would start.
void openFirstDocument(Application& application) {
  CommandContext context{application, std::cout};
  documentNew(context, {"595.2756", "841.8898", "artboards", "2", "unit", "mm"});
  application.events().settle();
}

// xdg-open, run directly (no shell sees the address).
void openInBrowser(const std::string& address) {
  const char* arguments[] = {"xdg-open", address.c_str(), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, const_cast<char**>(arguments), environ) != 0) {
    std::cerr << "guides-host: --open: xdg-open is not installed; open the address by hand" << std::endl;
    return;
  }
  int status = 0;
  waitpid(child, &status, 0);
}

bool runScript(Application& application, const std::string& path) {
  std::ifstream file;
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) file.open(path);
  if (!file.is_open()) {
    std::cerr << "guides-host: cannot read the script " << path << std::endl;
    return false;
  }
  Session session(application, std::cout, std::cerr);
  return session.run(file);
}

int serve(const HostOptions& options, Application& application, HostQueue& queue, const WebAssets& assets) {
  WebSession session(application);
  session.fitView();
  application.events().settle();
  StateBoard board;
  StatePublisher publisher(board);
  publisher.publish();
  queue.setIdle([&] { publisher.publish(); });
  WebServer server(queue, board, assets, [&](const WebEvent& event) { return session.run(event); });
  std::string error;
  if (!server.start(options.listen, options.port, &error)) {
    std::cerr << "guides-host: --serve: " << error << std::endl;
    return 1;
  }
  std::cout << "guides-host: the page is at " << server.address() << "\n"
            << "guides-host: Ctrl-C shuts the plug-in down and stops" << std::endl;
  if (options.openPage) openInBrowser(server.address());
  PageEventSource source(queue);
  EventSourceScope scope(&source);
  while (queue.runNext()) {
  }
  server.stop();
  return 0;
}

}  // namespace

int runServed(const HostOptions& options) {
  if (options.script != "-" && !std::filesystem::exists(options.script)) {
    std::cerr << "guides-host: cannot read the script " << options.script << std::endl;
    return 1;
  }
  WebAssets assets;
  std::string error;
  if (!assets.load(defaultWebFolder(), &error)) {
    std::cerr << "guides-host: --serve: " << error << std::endl;
    return 1;
  }
  prepareSuites(options);
  prepareUserSide(options);
  addRectangleTool();

  HostQueue queue;
  StopSignals signals([&queue] { queue.stop(); });
  Application application(options.plugins.empty() ? std::vector<std::filesystem::path>{defaultPluginModule()}
                                                  : options.plugins);
  application.start();
  bool ok = true;
  if (options.script != "-")
    ok = runScript(application, options.script);
  else
    openFirstDocument(application);
  const int status = ok ? serve(options, application, queue, assets) : 1;
  application.shutdown();
  std::cout << "guides-host: the plug-in is shut down" << std::endl;
  return status;
}

}  // namespace host
