#include <gtest/gtest.h>

#include "host/race/RaceAddress.h"

TEST(RaceAddress, ReadsAHostWithOrWithoutAPort) {
  RaceAddress a;
  std::string error;
  ASSERT_TRUE(ParseRaceAddress("192.168.1.20", a, error)) << error;
  EXPECT_EQ(RaceAddressText(a), "192.168.1.20:17717");
  ASSERT_TRUE(ParseRaceAddress("race-box.local:65535", a, error)) << error;
  EXPECT_EQ(RaceAddressText(a), "race-box.local:65535");
}

TEST(RaceAddress, RefusesWhatIsNoAddress) {
  RaceAddress a{"kept", 1};
  std::string error;
  for (const char* bad : {"", ":17717", "host:", "host:0", "host:65536", "host:12x", "::1", "a b", "host:1:2"}) {
    EXPECT_FALSE(ParseRaceAddress(bad, a, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
  EXPECT_EQ(RaceAddressText(a), "kept:1");
}
