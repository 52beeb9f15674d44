// The access guard: the token from the address or the cookie, the Host header naming this
// server, and no request from another site.
#include <gtest/gtest.h>

#include "server/AccessGuard.h"

using host::AccessGuard;
using host::RequestFacts;
using host::Verdict;

namespace {

const std::string kToken = "0123456789abcdef0123456789abcdef";

AccessGuard guard() { return AccessGuard(kToken, "127.0.0.1", 8123); }

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
  EXPECT_EQ(guard().check(withCookie("theme=dark; guides_token_8123=" + kToken + "; x=1")), Verdict::Allowed);
  // A browser sends the cookies of every port of 127.0.0.1: another host's comes first.
  EXPECT_EQ(guard().check(withCookie("guides_token_8124=" + kToken + "0; guides_token_8123=" + kToken)),
            Verdict::Allowed);
  EXPECT_EQ(guard().check(withCookie("guides_token_8123=" + kToken)), Verdict::Allowed);
  EXPECT_EQ(guard().cookie(), "guides_token_8123=" + kToken + "; Path=/; HttpOnly; SameSite=Strict");
}

// Only the whole token opens: one character short, a prefix, one longer, another of the same
// length, the cookie of another port or of no port.
TEST(AccessGuard, EveryTokenButTheRunsOwnIsRefused) {
  std::string other = kToken;
  other.back() = '0';
  for (const std::string& token : {kToken.substr(0, kToken.size() - 1), kToken.substr(0, 8), kToken + "0", other,
                                   std::string()}) {
    RequestFacts query = withCookie("");
    query.queryToken = token;
    EXPECT_EQ(guard().check(query), Verdict::NoToken) << token;
    EXPECT_EQ(guard().check(withCookie("guides_token_8123=" + token)), Verdict::NoToken) << token;
  }
  for (const std::string& cookie : {"guides_token_8124=" + kToken, "guides_token=" + kToken,
                                    "xguides_token_8123=" + kToken, std::string("guides_token_8123")})
    EXPECT_EQ(guard().check(withCookie(cookie)), Verdict::NoToken) << cookie;
}

TEST(AccessGuard, OnlyThisServersNamesAndOriginsAreServed) {
  RequestFacts facts = withCookie("guides_token_8123=" + kToken);
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
