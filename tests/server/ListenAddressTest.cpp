// Where the page may be served without a second word: this machine's loopback only.
#include <gtest/gtest.h>

#include "server/ListenAddress.h"

TEST(ListenAddress, OnlyLoopbackIsServedWithoutAWarning) {
  for (const char* address : {"127.0.0.1", "127.1.2.3", "127.255.255.255", "::1", "::ffff:127.0.0.1", "localhost"}) {
    EXPECT_TRUE(host::isLoopback(address)) << address;
    EXPECT_EQ(host::exposureWarning(address), "") << address;
  }
  for (const char* address : {"0.0.0.0", "::", "128.0.0.1", "126.255.255.255", "192.168.1.2", "::2",
                              "::ffff:10.0.0.1", "example.org", "127.0.0.1.example.org", ""}) {
    EXPECT_FALSE(host::isLoopback(address)) << address;
    EXPECT_NE(host::exposureWarning(address).find("beyond this machine"), std::string::npos) << address;
  }
}
