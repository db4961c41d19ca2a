#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"

TEST(VirtualKeys, MapsTheKeysTheGameKnows) {
  EXPECT_EQ(VirtualKeyFor(SDLK_RETURN), 13);
  EXPECT_EQ(VirtualKeyFor(SDLK_KP_ENTER), 13);
  EXPECT_EQ(VirtualKeyFor(SDLK_SPACE), 32);
  EXPECT_EQ(VirtualKeyFor(SDLK_LEFT), 37);
  EXPECT_EQ(VirtualKeyFor(SDLK_UP), 38);
  EXPECT_EQ(VirtualKeyFor(SDLK_RIGHT), 39);
  EXPECT_EQ(VirtualKeyFor(SDLK_DOWN), 40);
  EXPECT_EQ(VirtualKeyFor(SDLK_a), 65);
  EXPECT_EQ(VirtualKeyFor(SDLK_z), 90);
}

TEST(VirtualKeys, IgnoresEverythingElse) {
  for (SDL_Keycode k : {SDLK_ESCAPE, SDLK_LSHIFT, SDLK_F1, SDLK_0, SDLK_9, SDLK_KP_4, SDLK_TAB, SDLK_BACKQUOTE}) {
    EXPECT_EQ(VirtualKeyFor(k), 0) << k;
  }
}
