#include <gtest/gtest.h>

#include <vector>

#include <SDL_keycode.h>

#include "host/settings/KeyBindings.h"
#include "platform/PhysicalKeys.h"

TEST(PhysicalKeys, TheGamesKeysHaveTheirDefaultNames) {
  EXPECT_EQ(PhysicalKeyName(SDLK_RETURN), "Enter");
  EXPECT_EQ(PhysicalKeyName(SDLK_KP_ENTER), "Enter");
  EXPECT_EQ(PhysicalKeyName(SDLK_SPACE), "Space");
  EXPECT_EQ(PhysicalKeyName(SDLK_LEFT), "Left");
  EXPECT_EQ(PhysicalKeyName(SDLK_UP), "Up");
  EXPECT_EQ(PhysicalKeyName(SDLK_RIGHT), "Right");
  EXPECT_EQ(PhysicalKeyName(SDLK_DOWN), "Down");
  EXPECT_EQ(PhysicalKeyName(SDLK_a), "A");
  EXPECT_EQ(PhysicalKeyName(SDLK_z), "Z");
  EXPECT_EQ(PhysicalKeyName(SDLK_0), "0");
  EXPECT_EQ(PhysicalKeyName(SDLK_9), "9");
  EXPECT_EQ(PhysicalKeyName(SDLK_KP_4), "Keypad4");
  EXPECT_EQ(PhysicalKeyName(SDLK_PERIOD), "Period");
}

namespace {

// Every key SDL can name: the characters, then the keys without one.
std::vector<SDL_Keycode> EveryKey() {
  std::vector<SDL_Keycode> keys;
  for (SDL_Keycode c = 0; c < 128; ++c) keys.push_back(c);
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) keys.push_back(SDL_SCANCODE_TO_KEYCODE(s));
  return keys;
}

}  // namespace

TEST(PhysicalKeys, EveryNameTheSettingsAcceptIsAKey) {
  const auto keys = EveryKey();
  for (std::string_view name : PhysicalKeyNames()) {
    bool found = false;
    for (SDL_Keycode k : keys) found = found || PhysicalKeyName(k) == name;
    EXPECT_TRUE(found) << name;
  }
}

TEST(PhysicalKeys, EveryNameGivenIsOneTheSettingsAccept) {
  for (SDL_Keycode k : EveryKey()) {
    const auto name = PhysicalKeyName(k);
    if (!name.empty()) {
      EXPECT_TRUE(IsPhysicalKeyName(name)) << name;
    }
  }
}

TEST(PhysicalKeys, KeysThatCannotBeBoundHaveNoName) {
  for (SDL_Keycode k : {SDLK_ESCAPE, SDLK_F1, SDLK_F11, SDLK_F12, SDLK_BACKQUOTE}) EXPECT_EQ(PhysicalKeyName(k), "") << k;
}
