#include "server/ListenBacklog.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace host {

namespace {

bool isListeningOn(int fd, int port) {
  int listening = 0;
  socklen_t size = sizeof listening;
  if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) != 0 || !listening) return false;
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) return false;
  if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port) == port;
  if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port) == port;
  return false;
}

}  // namespace

bool widenListenBacklog(int port) {
  std::error_code error;
  bool widened = false;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    char* end = nullptr;
    const std::string name = entry.path().filename().string();
    const long fd = std::strtol(name.c_str(), &end, 10);
    if (*end != '\0' || !isListeningOn(static_cast<int>(fd), port)) continue;
    // Listening again on a listening socket only changes the length of its queue.
    widened = ::listen(static_cast<int>(fd), SOMAXCONN) == 0 || widened;
  }
  return widened;
}

}  // namespace host
