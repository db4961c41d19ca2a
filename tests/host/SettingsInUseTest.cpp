#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/Events.h"
#include "host/io/Notices.h"
#include "host/settings/SettingsInUse.h"
#include "host/settings/SpeedAndBrightness.h"
#include "support/TestGame.h"

namespace {

struct SettingsInUseTest : ::testing::Test {
  TestGame g;
  SettingsStore store;  // no file: what is kept stays in memory
};

}  // namespace

TEST_F(SettingsInUseTest, KeysTurnIntoTheGamesKeysAsBound) {
  SettingsInUse settings(*g, store, {});
  EXPECT_EQ(settings.Keys().TargetOf("Space"), vk::Space);
  EXPECT_EQ(settings.Keys().TargetOf("M"), kMuteTarget);
  EXPECT_EQ(settings.Keys().TargetOf("X"), 0);
  Settings s = settings.Kept();
  Action holder{};
  ASSERT_TRUE(s.Keys.Bind(Action::P1Jump, "X", holder));
  settings.Change(s);
  EXPECT_EQ(settings.Keys().TargetOf("X"), vk::Space);
}

TEST_F(SettingsInUseTest, EveryChangeShownMovesTheGenerationOnAndReachesTheHost) {
  SettingsInUse settings(*g, store, {});
  std::vector<std::pair<bool, bool>> mutes;
  settings.OnChange([&](const Settings& before, const Settings& now) { mutes.emplace_back(before.Mute, now.Mute); });
  const int first = settings.Generation();
  settings.ToggleMute();
  EXPECT_TRUE(settings.Kept().Mute);
  EXPECT_GT(settings.Generation(), first);
  const int muted = settings.Generation();
  settings.Change(settings.Kept());
  EXPECT_EQ(settings.Generation(), muted) << "nothing changed";
  EXPECT_EQ(mutes, (std::vector<std::pair<bool, bool>>{{false, true}}));
}

TEST_F(SettingsInUseTest, TheAddressesLanguageHoldsUntilOneIsChosenInTheMenu) {
  SettingsOverrides english;
  english.LanguageSet = true;
  english.Lang = Language::English;
  SettingsInUse settings(*g, store, english);
  EXPECT_EQ(settings.Shown().Lang, Language::English);
  EXPECT_EQ(settings.Kept().Lang, Language::Japanese) << "the address's language is not kept";
  settings.ChooseLanguage(Language::Japanese);
  EXPECT_EQ(settings.Shown().Lang, Language::Japanese);
}

TEST_F(SettingsInUseTest, SpeedAndBrightnessAreKeptAsTheyChangeButNotWhileARecordingPlays) {
  SettingsInUse settings(*g, store, {});
  settings.Watch();
  TakeNotices();
  Dispatch(*g, Event::KeyDown('A'));  // slower
  settings.AfterEvents(true);
  EXPECT_EQ(settings.Kept().FrameInterval, Settings::kDefaultFrameInterval);
  EXPECT_FALSE(NoticesWaiting());
  Dispatch(*g, Event::KeyDown('Q'));  // brighter, once the keys have taken over
  settings.AfterEvents(false);
  EXPECT_EQ(settings.Kept().Brightness, DuoBrightness(*g));
  EXPECT_EQ(settings.Kept().FrameInterval, g->Timer1.Interval) << "the game's values as they are now";
  EXPECT_EQ(TakeNotices(), std::vector<Notice>{(Notice{Notice::Kind::Speed, "", g->Timer1.Interval})});
}
