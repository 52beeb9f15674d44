#include "session/HostRun.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>

#include "app/Application.h"
#include "exports/Exports.h"
#include "model/FileWriting.h"
#include "model/PreferenceSaving.h"
#include "model/Shell.h"
#include "session/HostMemory.h"
#include "session/Prompt.h"
#include "session/RandomSession.h"
#include "session/Session.h"
#include "suites/SuiteRegistry.h"

namespace host {

namespace {

void openPreferences(const HostOptions& options) {
  const std::filesystem::path file =
      options.preferences.empty() ? defaultPreferencesFile() : options.preferences;
  reportPreferencesOpened(shell().preferences.open(file));
}

// A name the host has no suite for is withheld all the same, and said to be unknown.
void withhold(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const auto suites = allSuites();
    if (std::none_of(suites.begin(), suites.end(), [&](const SuiteEntry& s) { return s.name == name; }))
      std::cerr << "guides-host: --without-suite: the host has no suite named \"" << name << "\""
                << std::endl;
    shell().suites.withhold(name);
  }
}

bool exportTo(const std::filesystem::path& file, std::string (*format)(const Model&)) {
  if (file.empty()) return true;
  if (!model().front()) {
    std::cerr << "guides-host: no document to write to " << file.string() << std::endl;
    return false;
  }
  std::string reason;
  if (writeFileAtomically(file, format(model()), &reason)) return true;
  std::cerr << "guides-host: cannot write " << file.string() << ": " << reason << std::endl;
  return false;
}

// What companion plug-ins of the same maker would have added before ours start.
void addCompanions(const HostOptions& options) {
  for (const std::string& name : options.companionTools)
    if (shell().ui.addCompanionTool(name).isNull())
      std::cerr << "guides-host: --companion-tool: \"" << name << "\" is taken" << std::endl;
  for (const std::string& name : options.menuGroups)
    if (!shell().ui.addCompanionMenuGroup(name))
      std::cerr << "guides-host: --menu-group: \"" << name << "\" is taken" << std::endl;
}

}  // namespace

void prepareSuites(const HostOptions& options) {
  keepFreedMemory();
  shell().log.setTracing(options.trace);
  withhold(options.withheldSuites);
}

void prepareUserSide(const HostOptions& options) {
  openPreferences(options);
  addCompanions(options);
}

int runHost(const HostOptions& options) {
  prepareSuites(options);
  if (options.randomSteps > 0) return runRandomSession(options, std::cout, std::cerr);
  prepareUserSide(options);

  // The script is opened before any plug-in starts, so a wrong path costs nothing.
  std::ifstream file;
  std::istream* script = &std::cin;
  if (options.script != "-") {
    std::error_code error;
    if (!std::filesystem::is_directory(options.script, error)) file.open(options.script);
    if (!file.is_open()) {
      std::cerr << "guides-host: cannot read the script " << options.script << std::endl;
      return 1;
    }
    script = &file;
  }

  const bool onTerminal = script == &std::cin && isatty(STDIN_FILENO);
  Application application(modulesToLoad(options));
  application.start();
  bool ok = true;
  if (options.interactive || onTerminal) {
    // At a prompt a failing line is only reported: the session ends when the input does.
    Prompt prompt(application, *script, std::cout, !onTerminal);
    prompt.run();
  } else {
    Session session(application, std::cout, std::cerr);
    ok = session.run(*script);
  }
  ok = ok && exportTo(options.json, documentJson) && exportTo(options.svg, documentSvg);
  application.shutdown();
  // Each store that failed was told as it failed; whoever ran the session learns it from the
  // status.
  if (shell().preferences.failedSaves() > 0) ok = false;
  return ok ? 0 : 1;
}

}  // namespace host
