// The access guard: the token from the address or the cookie, the Host header naming this
// server, and no request from another site.
#include <gtest/gtest.h>

#include "server/AccessGuard.h"

using host::AccessGuard;
using host::RequestFacts;
using host::Verdict;

namespace {

const std::string kToken = "0123456789abcdef0123456789abcdef";

AccessGuard guard() { return AccessGuard(kToken, AccessGuard::hostNames("127.0.0.1", 8123)); }

RequestFacts withCookie(std::string cookie) {
  RequestFacts facts;
  facts.host = "127.0.0.1:8123";
  facts.cookie = std::move(cookie);
  return facts;
}

}  // namespace

TEST(AccessGuard, TheTokenComesFromTheAddressOrTheCookieAndMustBeTheRunsOwn) {
  RequestFacts first = withCookie("");
  first.queryToken = kToken;
  EXPECT_EQ(guard().check(first), Verdict::Allowed);
  EXPECT_EQ(guard().check(withCookie("theme=dark; guides_token=" + kToken + "; x=1")), Verdict::Allowed);
  EXPECT_EQ(guard().check(withCookie("guides_token=" + kToken)), Verdict::Allowed);
  std::string wrong = kToken;
  wrong.back() = '0';
  for (const std::string& cookie : {std::string(), "guides_token=" + wrong, "guides_token=" + kToken + "0",
                                    "xguides_token=" + kToken, std::string("guides_token")})
    EXPECT_EQ(guard().check(withCookie(cookie)), Verdict::NoToken) << cookie;
  EXPECT_EQ(guard().cookie(), "guides_token=" + kToken + "; Path=/; HttpOnly; SameSite=Strict");
}

TEST(AccessGuard, OnlyThisServersNamesAndOriginsAreServed) {
  RequestFacts facts = withCookie("guides_token=" + kToken);
  for (const char* name : {"127.0.0.1:8123", "localhost:8123", "[::1]:8123"}) {
    facts.host = name;
    EXPECT_EQ(guard().check(facts), Verdict::Allowed) << name;
  }
  for (const char* name : {"evil.example:8123", "127.0.0.1:8124", "127.0.0.1", ""}) {
    facts.host = name;
    EXPECT_EQ(guard().check(facts), Verdict::UnknownHost) << name;
  }
  facts.host = "127.0.0.1:8123";
  facts.origin = "http://localhost:8123";
  EXPECT_EQ(guard().check(facts), Verdict::Allowed);
  for (const char* origin : {"http://evil.example", "https://127.0.0.1:8123", "null", "http://127.0.0.1:8123.evil"}) {
    facts.origin = origin;
    EXPECT_EQ(guard().check(facts), Verdict::ForeignOrigin) << origin;
  }
  facts.origin.clear();
  facts.fetchSite = "cross-site";
  EXPECT_EQ(guard().check(facts), Verdict::ForeignOrigin);
  facts.fetchSite = "same-origin";
  EXPECT_EQ(guard().check(facts), Verdict::Allowed);
}

TEST(AccessGuard, TokensAreLongAndDifferEveryRun) {
  const std::string a = AccessGuard::newToken(), b = AccessGuard::newToken();
  EXPECT_EQ(a.size(), 64u);  // 256 random bits in hexadecimal
  EXPECT_EQ(a.find_first_not_of("0123456789abcdef"), std::string::npos);
  EXPECT_NE(a, b);
  EXPECT_EQ(AccessGuard::hostNames("192.0.2.7", 80), (std::vector<std::string>{"192.0.2.7:80"}));
}
