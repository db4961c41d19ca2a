#include <gtest/gtest.h>

#include <algorithm>

#include "net/LocalAddresses.h"

namespace {

TEST(LocalAddresses, TheLoopbackAddressComesLast) {
  const auto addresses = LocalAddresses();
  ASSERT_FALSE(addresses.empty());
  EXPECT_EQ(addresses.back(), "127.0.0.1");
  const auto firstLoopback = std::find_if(addresses.begin(), addresses.end(),
                                          [](const std::string& address) { return address.starts_with("127."); });
  EXPECT_TRUE(std::all_of(firstLoopback, addresses.end(),
                          [](const std::string& address) { return address.starts_with("127."); }));
}

}  // namespace
