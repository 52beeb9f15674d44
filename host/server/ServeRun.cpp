#include "server/ServeRun.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cctype>
#include <fstream>
#include <iostream>
#include <thread>

#include "app/Application.h"
#include "session/CommandHandlers.h"
#include "app/EventSourceScope.h"
#include "app/HostRun.h"
#include "files/DocumentFiles.h"
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

// xdg-open, run directly (no shell sees the address). It may not return before the browser
// it started ends, so it is waited for on a thread of its own: the page is served meanwhile.
// The browser gets the signals this host blocks back, and a process group of its own: the
// Ctrl-C that stops the host leaves the user's browser open.
void openInBrowser(const std::string& address) {
  const char* arguments[] = {"xdg-open", address.c_str(), nullptr};
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  pid_t child = 0;
  const int failed =
      posix_spawnp(&child, "xdg-open", nullptr, &attributes, const_cast<char**>(arguments), environ);
  posix_spawnattr_destroy(&attributes);
  if (failed) {
    std::cerr << "guides-host: --open: xdg-open is not installed; open the address above in a browser" << std::endl;
    return;
  }
  std::thread([child] {
    int status = 0;
    if (waitpid(child, &status, 0) == child && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
      std::cerr << "guides-host: --open: xdg-open could not open the page; open the address above in a browser"
                << std::endl;
  }).detach();
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

// An argument that names an SVG file is a document to open, not a script.
bool isSvgFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".svg";
}

bool openSvgFile(Application& application, const std::string& path) {
  std::string reason;
  if (!openDocumentFile(path, &reason)) {
    std::cerr << "guides-host: cannot open " << path << ": " << reason << std::endl;
    return false;
  }
  application.events().settle();
  return true;
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
    std::cerr << "guides-host: cannot read " << (isSvgFile(options.script) ? "the file " : "the script ")
              << options.script << std::endl;
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
  if (isSvgFile(options.script))
    ok = openSvgFile(application, options.script);
  else if (options.script != "-")
    ok = runScript(application, options.script);
  else
    openFirstDocument(application);
  const int status = ok ? serve(options, application, queue, assets) : 1;
  application.shutdown();
  std::cout << "guides-host: the plug-in is shut down" << std::endl;
  return status;
}

}  // namespace host
