// The queue of connections the server's listening socket keeps before they are accepted.
#ifndef GUIDES_HOST_SERVER_LISTENBACKLOG_H
#define GUIDES_HOST_SERVER_LISTENBACKLOG_H

namespace host {

// The packaged HTTP library listens with a queue of five connections: a page and its
// assets, or fifty pages opening at once, overflow it and some requests are lost without
// an answer. This finds the process's listening socket on `port` and lets it queue as
// many as the system allows. False when no such socket is found.
bool widenListenBacklog(int port);

}  // namespace host

#endif
