#include "session/HostOptions.h"

#include <pwd.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdlib>

#include "session/Commands.h"
#include "session/SessionExtension.h"

namespace host {

namespace {

// The session commands as the command table describes them.
std::string sessionHelp() {
  std::string help = "Session commands:\n";
  for (const Command& command : commandTable()) {
    std::string synopsis = "  " + std::string(command.name);
    if (!command.usage.empty()) synopsis += " " + std::string(command.usage);
    help += synopsis + "\n      " + std::string(command.description) + "\n";
  }
  return help +
         "Exit status:\n"
         "  0  the session ran to its end; a plug-in that cannot be loaded or started is only\n"
         "     logged, and at a prompt a failing line is only reported\n"
         "  1  a line of the script failed (the error names its line), the script cannot be\n"
         "     read, a file for --json or --svg cannot be written, a store of preferences could\n"
         "     not be saved, a random session broke an invariant, or the host stopped on an\n"
         "     error it names\n"
         "  2  the command line cannot be used (the message says why)";
}

// Digits only, within 64 bits: no sign, no base prefix, no exponent, no wrapping around.
std::string unsignedText(std::string& text) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return "'" + text + "' is not a whole number from 0 to 18446744073709551615";
  return {};
}

// The module loaded by default is the one the registered extension names.
std::string pluginHelp() {
  const std::string name = sessionExtension().defaultModuleName();
  if (name.empty()) return "plug-in module to load, repeatable";
  return "plug-in module to load, repeatable; default the " + name + " built beside the host (../plugin/" + name +
         ")";
}

std::string nonEmptyPath(std::string& text) {
  return text.empty() ? "an empty path names no file" : std::string();
}

}  // namespace

std::optional<int> parseOptions(int argc, char** argv, HostOptions* options) {
  CLI::App app{
      "guides-host: the simulated host application. It loads the plug-ins, starts them, runs\n"
      "a session script (one command a line; a '#' at a line's start or after a space starts a\n"
      "comment; SCRIPT '-' or none reads standard input), then shuts the plug-ins down.\n"
      "Coordinates are artwork points, y upwards.",
      "guides-host"};
  app.add_option("--prefs", options->preferences,
                 "preferences file (JSON); default $XDG_CONFIG_HOME/guides-host/prefs.json or "
                 "~/.config/guides-host/prefs.json")
      ->type_name("FILE")
      ->check(CLI::Validator(nonEmptyPath, "FILE"));
  app.add_option("--plugin", options->plugins, pluginHelp())
      ->type_name("PATH")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--trace", options->trace,
               "log every message sent to a plug-in and every suite call, with its result, on "
               "standard error");
  app.add_option("--json", options->json, "write the front document as JSON here at the end")
      ->type_name("FILE");
  app.add_option("--svg", options->svg, "write the front document as SVG here at the end")
      ->type_name("FILE");
  app.add_option("--without-suite", options->withheldSuites,
                 "withhold a suite by name (e.g. \"AI Art Suite\"), repeatable")
      ->type_name("NAME")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_option("--companion-tool", options->companionTools,
                 "a tool registered before the plug-ins start, in a toolbox group of its own, as "
                 "a companion plug-in would, repeatable")
      ->type_name("NAME")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_option("--menu-group", options->menuGroups,
                 "a menu group made before the plug-ins start, as an item of \"Tool Palettes\" "
                 "opening a sub-menu of that name, as a companion plug-in would, repeatable")
      ->type_name("NAME")
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--interactive", options->interactive,
               "a prompt: each line of the script (or standard input) runs as it is read, errors "
               "do not end the session, and a one-line state follows each command; the default "
               "when standard input is a terminal and no script is given");
  CLI::Option* random =
      app.add_option("--random", options->randomSteps,
                     "run a random session of N valid steps, checking the host's invariants after "
                     "each; a failure prints the seed and the step, and exits with 1")
          ->type_name("N")
          ->check(CLI::Range(int64_t{1}, int64_t{100000000}));
  std::string seed;
  app.add_option("--seed", seed,
                 "with --random: the session's seed, a whole number from 0 to 2^64 - 1 (default: "
                 "drawn and printed)")
      ->type_name("S")
      ->check(CLI::Validator(unsignedText, "S"))
      ->needs(random);
  app.add_flag("--steps", options->printSteps,
               "with --random: print every step as a session line before it runs")
      ->needs(random);
  CLI::Option* serve = app.add_flag(
      "--serve", options->serve,
      "serve the host as a live web page: opens SCRIPT if it is an SVG file (a save writes it "
      "back), else runs SCRIPT first if given (else opens a document of "
      "two A4 artboards in millimetres), then prints the page's address with its access token; "
      "Ctrl-C shuts the plug-in down and ends the run");
  app.add_option("--port", options->port, "with --serve: the port (default: one the system picks)")
      ->type_name("N")
      ->check(CLI::Range(0, 65535))
      ->needs(serve);
  app.add_flag("--open", options->openPage, "with --serve: open the page in the browser (xdg-open)")
      ->needs(serve);
  app.add_option("--listen", options->listen,
                 "with --serve: the address to listen on (default 127.0.0.1, this machine only; an address "
                 "beyond loopback is refused without --listen-anywhere-i-know)")
      ->type_name("ADDR")
      ->needs(serve);
  app.add_flag("--listen-anywhere-i-know", options->listenAnywhere,
               "with --listen: serve on an address beyond this machine (anyone on its networks who "
               "learns the page's address can drive the host); refused without it")
      ->needs(serve);
  app.add_option("script", options->script, "session script, or - for standard input")
      ->type_name("SCRIPT");
  app.footer(sessionHelp());
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // --help is a success; every other stop is a command line the host cannot use.
    return app.exit(error) == 0 ? 0 : 2;
  }
  if (!seed.empty()) std::from_chars(seed.data(), seed.data() + seed.size(), options->seed.emplace());
  return std::nullopt;
}

std::filesystem::path defaultPreferencesFile() {
  const std::filesystem::path relative = std::filesystem::path("guides-host") / "prefs.json";
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    return std::filesystem::path(config) / relative;
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = getpwuid(getuid());
    home = user ? user->pw_dir : ".";
  }
  return std::filesystem::path(home) / ".config" / relative;
}

std::filesystem::path defaultPluginModule() {
  const std::string name = sessionExtension().defaultModuleName();
  if (name.empty()) return {};
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = error ? std::filesystem::path(".") : executable.parent_path();
  return (folder / ".." / "plugin" / name).lexically_normal();
}

std::vector<std::filesystem::path> modulesToLoad(const HostOptions& options) {
  if (!options.plugins.empty()) return options.plugins;
  const std::filesystem::path module = defaultPluginModule();
  return module.empty() ? std::vector<std::filesystem::path>{} : std::vector<std::filesystem::path>{module};
}

}  // namespace host
