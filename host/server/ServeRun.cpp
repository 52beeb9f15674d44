#include "server/ServeRun.h"

#include <cctype>
#include <fstream>
#include <iostream>

#include "app/Application.h"
#include "session/CommandHandlers.h"
#include "app/EventSourceScope.h"
#include "session/HostMemory.h"
#include "session/HostRun.h"
#include "files/DocumentFiles.h"
#include "session/Session.h"
#include "server/ListenAddress.h"
#include "server/PageOpener.h"
#include "server/StatePublisher.h"
#include "server/StopSignals.h"
#include "server/WebServer.h"
#include "server/WebSession.h"
#include "model/Model.h"
#include "model/ViewGeometry.h"

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
  if (Document* front = model().front()) fitView(*front);
  application.events().settle();
  StateBoard board;
  StatePublisher publisher(board);
  publisher.publish();
  HeapWarming warming;
  ArtTree::Stamp warmedAfter{};
  queue.setIdle([&] {
    publisher.publish();
    // Only an event that changed the art takes memory worth making ready: a hover, which
    // changes none, does not pay for reading the allocator's state.
    if (const ArtTree::Stamp art = model().arts().stamp(); !(art == warmedAfter)) {
      warming.warm();
      warmedAfter = art;
    }
  });
  WebServer server(queue, board, assets, [&](const WebEvent& event) { return session.run(event); });
  server.serveDocumentFiles(PageFiles{
      [&](std::string bytes, const std::string& name) { return session.openUpload(std::move(bytes), name); },
      [&](std::string* name) { return session.download(name); },
      [&](uint64_t document) { return session.picture(document); }});
  std::string error;
  if (!server.start(options.listen, options.port, &error)) {
    std::cerr << "guides-host: --serve: " << error << std::endl;
    return 1;
  }
  std::cout << "guides-host: the page is at " << server.address() << "\n"
            << "guides-host: Ctrl-C shuts the plug-in down and stops" << std::endl;
  PageOpener opener;
  if (options.openPage) opener.open(server.address());
  PageEventSource source(queue);
  EventSourceScope scope(&source);
  while (queue.runNext()) {
  }
  server.stop();
  return 0;
}

// Serving beyond this machine is said, and done only when asked for twice.
bool mayListen(const HostOptions& options) {
  const std::string warning = exposureWarning(options.listen);
  if (warning.empty()) return true;
  std::cerr << "guides-host: warning: " << warning << std::endl;
  if (options.listenAnywhere) return true;
  std::cerr << "guides-host: refused: give --listen-anywhere-i-know as well to serve it there" << std::endl;
  return false;
}

}  // namespace

int runServed(const HostOptions& options) {
  if (!mayListen(options)) return 2;
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
