// guides-host --serve: the host as a live web page. The plug-ins start, the script runs
// first if one is given (else a document of two A4 artboards in millimetres opens), then
// the page is served and the host's thread runs the page's events until SIGINT or SIGTERM,
// which shut the plug-ins down the normal way.
#ifndef GUIDES_HOST_SERVER_SERVERUN_H
#define GUIDES_HOST_SERVER_SERVERUN_H

#include "session/HostOptions.h"

namespace host {

// The exit status: 0 after a shutdown asked for by a signal, 1 when the script failed or
// the page could not be served, 2 for an address beyond loopback not asked for twice.
int runServed(const HostOptions& options);

}  // namespace host

#endif
