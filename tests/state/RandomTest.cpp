#include <gtest/gtest.h>

#include "state/Random.h"

TEST(Random, FollowsTheLinearCongruentialSequence) {
  std::uint32_t seed = 0;
  EXPECT_EQ(NextRandom(seed, 100), 0);  // seed 1: 1 * 100 >> 32 = 0
  EXPECT_EQ(seed, 1u);
  EXPECT_EQ(NextRandom(seed, 100), 3);  // seed 134775814
  EXPECT_EQ(seed, 134775814u);
}

TEST(Random, AdvancesOnceEvenForZeroAndOne) {
  std::uint32_t a = 12345, b = 12345;
  EXPECT_EQ(NextRandom(a, 0), 0);
  EXPECT_EQ(NextRandom(b, 1), 0);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a, 12345u * 134775813u + 1u);
}

TEST(Random, StaysBelowN) {
  std::uint32_t seed = 305419896;
  for (int i = 0; i < 10000; ++i) {
    const int r = NextRandom(seed, 7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
  }
}

TEST(Random, WrapsModulo2To32) {
  std::uint32_t seed = 0xFFFFFFFFu;
  NextRandom(seed, 2);
  EXPECT_EQ(seed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));
}
