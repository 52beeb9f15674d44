#include "server/AccessGuard.h"

#include <algorithm>
#include <random>

namespace host {

namespace {

// The value of one cookie in a Cookie header ("a=1; guides_token=...; b=2").
std::string_view cookieValue(std::string_view header, std::string_view name) {
  while (!header.empty()) {
    const size_t end = header.find(';');
    std::string_view pair = header.substr(0, end);
    while (!pair.empty() && pair.front() == ' ') pair.remove_prefix(1);
    if (pair.size() > name.size() && pair.substr(0, name.size()) == name && pair[name.size()] == '=')
      return pair.substr(name.size() + 1);
    if (end == std::string_view::npos) break;
    header.remove_prefix(end + 1);
  }
  return {};
}

}  // namespace

AccessGuard::AccessGuard(std::string token, const std::string& address, int port)
    : token_(std::move(token)), hosts_(hostNames(address, port)), cookieName_("guides_token_" + std::to_string(port)) {}

std::string AccessGuard::newToken() {
  std::random_device random;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (int i = 0; i < 8; ++i) {
    const uint32_t word = random();
    for (int shift = 28; shift >= 0; shift -= 4) token += kHex[word >> shift & 15];
  }
  return token;
}

std::vector<std::string> AccessGuard::hostNames(const std::string& address, int port) {
  const std::string suffix = ":" + std::to_string(port);
  std::vector<std::string> names{address + suffix};
  if (address == "127.0.0.1" || address == "::1" || address == "localhost")
    for (const char* local : {"127.0.0.1", "localhost", "[::1]"}) names.push_back(local + suffix);
  if (address.find(':') != std::string::npos && address.front() != '[') names.push_back("[" + address + "]" + suffix);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

// Compares every character whatever the first difference, so that the time taken tells
// nothing of the token.
bool AccessGuard::matches(std::string_view candidate) const {
  if (candidate.size() != token_.size()) return false;
  unsigned difference = 0;
  for (size_t i = 0; i < token_.size(); ++i) difference |= static_cast<unsigned char>(candidate[i] ^ token_[i]);
  return difference == 0;
}

bool AccessGuard::knownHost(std::string_view host) const {
  return std::find(hosts_.begin(), hosts_.end(), host) != hosts_.end();
}

Verdict AccessGuard::check(const RequestFacts& request) const {
  if (!knownHost(request.host)) return Verdict::UnknownHost;
  if (!request.origin.empty()) {
    constexpr std::string_view scheme = "http://";
    const std::string_view origin = request.origin;
    if (!origin.starts_with(scheme) || !knownHost(origin.substr(scheme.size()))) return Verdict::ForeignOrigin;
  }
  if (!request.fetchSite.empty() && request.fetchSite != "same-origin" && request.fetchSite != "none")
    return Verdict::ForeignOrigin;
  if (matches(request.queryToken) || matches(cookieValue(request.cookie, cookieName_))) return Verdict::Allowed;
  return Verdict::NoToken;
}

const char* AccessGuard::describe(Verdict verdict) {
  switch (verdict) {
    case Verdict::Allowed: return "allowed";
    case Verdict::UnknownHost: return "the Host header does not name this server";
    case Verdict::ForeignOrigin: return "requests from another site are refused";
    case Verdict::NoToken: return "the access token is missing or wrong: open the address guides-host printed";
  }
  return "refused";
}

std::string AccessGuard::cookie() const {
  return cookieName_ + "=" + token_ + "; Path=/; HttpOnly; SameSite=Strict";
}

}  // namespace host
