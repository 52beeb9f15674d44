#include "app/HostRun.h"

#include <fstream>
#include <iostream>

#include "app/Application.h"
#include "app/Exports.h"
#include "app/Session.h"
#include "model/FileWriting.h"
#include "model/Shell.h"

namespace host {

namespace {

void openPreferences(const HostOptions& options) {
  const std::filesystem::path file =
      options.preferences.empty() ? defaultPreferencesFile() : options.preferences;
  const PreferenceStore::Report report = shell().preferences.open(file);
  if (!report.problem.empty()) shell().log.error(report.problem, report.detail);
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

}  // namespace

int runHost(const HostOptions& options) {
  shell().log.setTracing(options.trace);
  for (const std::string& name : options.withheldSuites) shell().suites.withhold(name);
  openPreferences(options);

  // The script is opened before any plug-in starts, so a wrong path costs nothing.
  std::ifstream file;
  std::istream* script = &std::cin;
  if (options.script != "-") {
    file.open(options.script);
    if (!file) {
      std::cerr << "guides-host: cannot read the script " << options.script << std::endl;
      return 1;
    }
    script = &file;
  }

  Application application(options.plugins.empty()
                              ? std::vector<std::filesystem::path>{defaultPluginModule()}
                              : options.plugins);
  application.start();
  Session session(application, std::cout, std::cerr);
  bool ok = session.run(*script);
  ok = ok && exportTo(options.json, documentJson) && exportTo(options.svg, documentSvg);
  application.shutdown();
  return ok ? 0 : 1;
}

}  // namespace host
