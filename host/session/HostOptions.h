// The command line of guides-host.
#ifndef GUIDES_HOST_SESSION_HOSTOPTIONS_H
#define GUIDES_HOST_SESSION_HOSTOPTIONS_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct HostOptions {
  std::filesystem::path preferences;             // empty: the user's default file
  std::vector<std::filesystem::path> plugins;    // empty: the default module
  bool trace = false;
  std::filesystem::path json;                    // front document written here at the end
  std::filesystem::path svg;
  std::vector<std::string> withheldSuites;
  std::vector<std::string> companionTools;       // tools other plug-ins registered first
  std::vector<std::string> menuGroups;           // menu groups other plug-ins made first
  std::string script = "-";                      // "-": standard input
  bool interactive = false;                      // a prompt even when stdin is no terminal
  int64_t randomSteps = 0;                       // above 0: a random session of this many steps
  std::optional<uint64_t> seed;                  // the random session's seed; none: one is drawn
  bool printSteps = false;                       // the random session prints every step
  bool serve = false;                            // the host as a live web page (host/server/)
  int port = 0;                                  // the page's port; 0: one the system picks
  bool openPage = false;                         // opens the page in the user's browser
  std::string listen = "127.0.0.1";              // the address the page is served on
  bool listenAnywhere = false;                   // a --listen beyond loopback is meant
};

// Reads the command line. Returns the exit status when the host should stop at once
// (--help, a usage error, with CLI11's message printed), or nothing to go on.
std::optional<int> parseOptions(int argc, char** argv, HostOptions* options);

// $XDG_CONFIG_HOME/guides-host/prefs.json, else ~/.config/guides-host/prefs.json.
std::filesystem::path defaultPreferencesFile();
// The module the registered extension names, at ../plugin/ from the running executable's
// folder; empty when it names none.
std::filesystem::path defaultPluginModule();
// The modules --plugin names, else the default one if there is one.
std::vector<std::filesystem::path> modulesToLoad(const HostOptions& options);

}  // namespace host

#endif
