#include <gtest/gtest.h>

#include "base/Trouble.h"

TEST(Trouble, AFaultAtALineNamesTheFileAndTheLine) {
  EXPECT_EQ(AtLine("a/b.replay", 3, "unknown key 'Tab'"), "a/b.replay:3: unknown key 'Tab'");
}
