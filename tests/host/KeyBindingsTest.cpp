#include <gtest/gtest.h>

#include <set>

#include "game/Events.h"
#include "host/settings/KeyBindings.h"

TEST(KeyBindings, TheDefaultsAreTheGamesOwnKeys) {
  const KeyBindings keys;
  EXPECT_EQ(keys.TargetOf("Left"), vk::Left);
  EXPECT_EQ(keys.TargetOf("Right"), vk::Right);
  EXPECT_EQ(keys.TargetOf("Up"), vk::Up);
  EXPECT_EQ(keys.TargetOf("Down"), vk::Down);
  EXPECT_EQ(keys.TargetOf("Space"), vk::Space);
  EXPECT_EQ(keys.TargetOf("Enter"), vk::Enter);
  for (char c : std::string("CBFGVZPRASQW")) EXPECT_EQ(keys.TargetOf(std::string(1, c)), c) << c;
  EXPECT_EQ(keys.TargetOf("M"), kMuteTarget);
  EXPECT_EQ(keys.TargetOf("X"), 0) << "a key no action has gives nothing";
  EXPECT_EQ(keys.TargetOf(""), 0);
}

TEST(KeyBindings, EveryActionHasItsOwnSettingAndAKeyTheSettingsAccept) {
  std::set<std::string_view> names;
  for (const ActionInfo& info : AllActions()) {
    EXPECT_TRUE(names.insert(info.SettingName).second) << info.SettingName;
    EXPECT_TRUE(IsPhysicalKeyName(info.DefaultKey)) << info.DefaultKey;
    EXPECT_EQ(&InfoOf(info.Which), &info);
  }
}

TEST(KeyBindings, AReboundKeyGivesTheGamesKeyAndTheOldOneNothing) {
  KeyBindings keys;
  Action holder = Action::Mute;
  ASSERT_TRUE(keys.Bind(Action::P1Jump, "X", holder));
  EXPECT_EQ(keys.TargetOf("X"), vk::Space);
  EXPECT_EQ(keys.TargetOf("Space"), 0);
}

TEST(KeyBindings, AKeyInUseIsRefusedNamingItsAction) {
  KeyBindings keys;
  Action holder = Action::Mute;
  EXPECT_FALSE(keys.Bind(Action::P1Jump, "Left", holder));
  EXPECT_EQ(holder, Action::P1Left);
  EXPECT_EQ(keys.KeyOf(Action::P1Jump), "Space");
  EXPECT_FALSE(keys.Bind(Action::Pause, "M", holder));
  EXPECT_EQ(holder, Action::Mute);
}

TEST(KeyBindings, ActionsOfOneGameKeyMayShareAKey) {
  KeyBindings keys;
  Action holder = Action::Mute;
  ASSERT_TRUE(keys.Bind(Action::Continue, "K", holder));
  EXPECT_EQ(keys.TargetOf("K"), 'C');
  EXPECT_EQ(keys.TargetOf("C"), 'C') << "still player 2's left";
  EXPECT_TRUE(keys.Bind(Action::P2Left, "K", holder));
  EXPECT_EQ(keys.TargetOf("C"), 0);
}

TEST(KeyBindings, RebindingToItsOwnKeyIsAllowedAndDefaultsComeBack) {
  KeyBindings keys;
  Action holder = Action::Mute;
  EXPECT_TRUE(keys.Bind(Action::Pause, "P", holder));
  ASSERT_TRUE(keys.Bind(Action::Pause, "Keypad5", holder));
  keys.ResetToDefaults();
  EXPECT_EQ(keys, KeyBindings{});
}

TEST(KeyBindings, TheKeysNamesForAMessageShortenOnlyTheRunsThatCountUp) {
  EXPECT_EQ(PhysicalKeyNamesText(),
            "A to Z, 0 to 9, Left, Right, Up, Down, Space, Enter, Tab, Backspace, Insert, Delete, Home, End, PageUp, "
            "PageDown, Keypad0 to Keypad9, KeypadPlus, KeypadMinus, KeypadMultiply, KeypadDivide, LeftShift, "
            "RightShift, LeftCtrl, RightCtrl, LeftAlt, RightAlt, Comma, Period");
}
