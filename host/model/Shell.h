// The host application's own state, beside its documents: the plug-ins it runs, what they
// registered and acquired, the preferences file and the host's log.
#ifndef GUIDES_HOST_MODEL_SHELL_H
#define GUIDES_HOST_MODEL_SHELL_H

#include "model/HostHandles.h"
#include "model/HostLog.h"
#include "model/PluginRegistry.h"
#include "model/PreferenceStore.h"
#include "model/SuiteCallWatch.h"
#include "model/SuiteUsage.h"
#include "model/UserInterface.h"

namespace host {

struct Shell {
  HostLog log;
  PluginRegistry plugins;
  SuiteUsage suites;
  PreferenceStore preferences;
  UserInterface ui;
  HostHandles handles;
  SuiteCallWatch calls;
};

// The host's one shell, and its replacement by a fresh one (no plug-in, empty log, an
// in-memory preference store).
Shell& shell();
void resetShell();

}  // namespace host

#endif
