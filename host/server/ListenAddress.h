// Where the page may be served. On this machine's loopback only, by default: the access
// token travels in clear over HTTP, and the page drives the host (its documents, its
// preferences). Any other address opens it to the networks this machine is on, which the
// user must ask for twice.
#ifndef GUIDES_HOST_SERVER_LISTENADDRESS_H
#define GUIDES_HOST_SERVER_LISTENADDRESS_H

#include <string>

namespace host {

// 127.0.0.0/8, ::1 (also as ::ffff:127.x.y.z) and "localhost".
bool isLoopback(const std::string& address);

// What listening on that address makes reachable, told to the user; empty on loopback.
std::string exposureWarning(const std::string& address);

}  // namespace host

#endif
