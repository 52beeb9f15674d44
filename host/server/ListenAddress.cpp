#include "server/ListenAddress.h"

#include <arpa/inet.h>

#include <cstring>

namespace host {

bool isLoopback(const std::string& address) {
  if (address == "localhost") return true;
  unsigned char bytes[16];
  if (::inet_pton(AF_INET, address.c_str(), bytes) == 1) return bytes[0] == 127;
  if (::inet_pton(AF_INET6, address.c_str(), bytes) != 1) return false;
  static const unsigned char kLoopback[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  static const unsigned char kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
  return std::memcmp(bytes, kLoopback, 16) == 0 || (std::memcmp(bytes, kMappedPrefix, 12) == 0 && bytes[12] == 127);
}

std::string exposureWarning(const std::string& address) {
  if (isLoopback(address)) return {};
  return "--listen " + address +
         " serves the page beyond this machine: whoever reaches that address on the network and "
         "learns the page's address with its token (sent in clear text, over HTTP) drives this host: "
         "its tools, its documents and the plug-in's preferences";
}

}  // namespace host
