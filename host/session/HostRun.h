// One run of guides-host: preferences opened, plug-ins started, the session run, the
// front document exported, plug-ins shut down.
#ifndef GUIDES_HOST_SESSION_HOSTRUN_H
#define GUIDES_HOST_SESSION_HOSTRUN_H

#include "session/HostOptions.h"

namespace host {

// Before the plug-ins start, for every kind of run: tracing and the suites withheld...
void prepareSuites(const HostOptions& options);
// ...then, for the runs a user drives (not the random ones), the preferences file opened
// and what companion plug-ins would have added.
void prepareUserSide(const HostOptions& options);

// The exit status: 0 when the session ran to its end and the exports were written, 1
// otherwise.
int runHost(const HostOptions& options);

}  // namespace host

#endif
