// Who may use the page: a local tool must not be an open door. Every request carries the
// run's random token, first in the address printed at start, then in a cookie the server
// sets (HttpOnly, SameSite=Strict); the Host header must name this server (no DNS
// rebinding), and an Origin header, when there is one, must be this server's own (no
// cross-site requests), as must the browser's Sec-Fetch-Site. Browsers send a cookie of
// 127.0.0.1 to every port of it, so the cookie's name carries the port: two hosts served
// side by side each keep their own.
#ifndef GUIDES_HOST_SERVER_ACCESSGUARD_H
#define GUIDES_HOST_SERVER_ACCESSGUARD_H

#include <string>
#include <string_view>
#include <vector>

namespace host {

// The headers and query a decision needs; empty when absent.
struct RequestFacts {
  std::string host;
  std::string origin;
  std::string fetchSite;   // Sec-Fetch-Site
  std::string cookie;      // the whole Cookie header
  std::string queryToken;  // ?token=... of the address
};

enum class Verdict { Allowed, UnknownHost, ForeignOrigin, NoToken };

class AccessGuard {
 public:
  // For a server listening on address:port.
  AccessGuard(std::string token, const std::string& address, int port);

  // 64 hexadecimal digits (256 bits) from the system's random source.
  static std::string newToken();
  // The names a server listening on address:port answers to.
  static std::vector<std::string> hostNames(const std::string& address, int port);

  Verdict check(const RequestFacts& request) const;
  // What the message of a refusal says.
  static const char* describe(Verdict verdict);

  const std::string& token() const { return token_; }
  // The Set-Cookie value that carries the token from the first page on.
  std::string cookie() const;

 private:
  bool matches(std::string_view candidate) const;
  bool knownHost(std::string_view host) const;

  std::string token_;
  std::vector<std::string> hosts_;
  std::string cookieName_;
};

}  // namespace host

#endif
