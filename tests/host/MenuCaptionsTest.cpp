#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "host/text/MenuCaptions.h"

namespace {

// The text without its ellipses, which English captions may hold.
std::string WithoutEllipses(std::string_view text) {
  constexpr std::string_view kEllipsis = "…";
  std::string rest(text);
  for (auto at = rest.find(kEllipsis); at != std::string::npos; at = rest.find(kEllipsis)) {
    rest.erase(at, kEllipsis.size());
  }
  return rest;
}

}  // namespace

TEST(MenuCaptions, TheJapaneseMenusAreAsTheyHaveAlwaysBeen) {
  const MenuCaptions& c = CaptionsIn(Language::Japanese);
  EXPECT_EQ(c.GameMenu, "Game");
  EXPECT_EQ(c.RestartMenu, "やり直し(R)");
  EXPECT_EQ(c.PauseMenu, "ポーズ(P)");
  EXPECT_EQ(c.ExitMenu, "終了");
  EXPECT_EQ(c.ConfigMenu, "Config");
  EXPECT_EQ(c.BrightnessMenu, "2人用モードの画面の明るさ(Q,W)");
  EXPECT_EQ(c.SpeedMenu, "スピード調節(A,S)");
  EXPECT_EQ(c.BrightnessDialog, "ﾀﾞｲｱﾛｸﾞ");
  EXPECT_EQ(c.SpeedDialog, "ﾀﾞｲｱﾛｸﾞ");
  EXPECT_EQ(c.OKButton, "OK");
}

TEST(MenuCaptions, EnglishHasACaptionForEverythingAndNoJapaneseButTheLanguagesName) {
  const MenuCaptions& c = CaptionsIn(Language::English);
  EXPECT_EQ(c.RestartMenu, "Restart stage (R)");
  EXPECT_EQ(c.SpeedMenu, "Game speed (A, S)");
  std::vector<std::string_view> english;
  const auto all = AllCaptionTexts();
  // The English captions follow the Japanese ones and the two languages' names.
  const std::size_t half = (all.size() - 2) / 2;
  for (std::size_t i = 2 + half; i < all.size(); ++i) {
    EXPECT_FALSE(all[i].empty()) << i;
    if (all[i] == c.LanguageMenu) continue;
    for (unsigned char ch : WithoutEllipses(all[i])) EXPECT_LT(ch, 0x80) << all[i];
  }
  std::set<std::string_view> actions(c.Actions.begin(), c.Actions.end());
  EXPECT_EQ(actions.size(), kActionCount) << "every action has its own name";
}

TEST(MenuCaptions, FillsInKeysActionsAndNumbers) {
  EXPECT_EQ(Filled(CaptionsIn(Language::English).KeyInUse, "B", "Player 2 right"),
            "B is already the key for Player 2 right");
  EXPECT_EQ(Filled(CaptionsIn(Language::Japanese).KeyInUse, "B", "2P 右"), "B は「2P 右」に使われています");
  EXPECT_EQ(Filled(CaptionsIn(Language::Japanese).ScaleItem, "", "", 3), "3倍");
  EXPECT_EQ(Filled("{n}{n}", "", "", 2), "22");
}

TEST(MenuCaptions, FillsInTheRacesPortAndAddresses) {
  const MenuCaptions& en = CaptionsIn(Language::English);
  const std::vector<std::string> addresses = {"192.168.1.20", "10.0.0.5"};
  EXPECT_EQ(RaceWaitingText(en, 17717, addresses),
            "Waiting for the other player on port 17717 (your addresses: 192.168.1.20, 10.0.0.5)");
  EXPECT_EQ(RaceWaitingText(CaptionsIn(Language::Japanese), 4000, std::span(addresses).first(1)),
            "ポート 4000 で相手を待っています (あなたのアドレス: 192.168.1.20)");
  EXPECT_EQ(RaceConnectingText(en, RaceAddress{"pc.local", 4000}), "Connecting to pc.local:4000…");
  EXPECT_EQ(en.HostRaceMenu, "Host a race…");
  EXPECT_EQ(CaptionsIn(Language::Japanese).JoinRaceMenu, "対戦に参加…");
}

TEST(MenuCaptions, TheFieldListNamesEveryCaptionOnce) {
  const auto fields = MenuCaptionFields();
  constexpr std::size_t kTexts = (sizeof(MenuCaptions) - sizeof(MenuCaptions::Actions)) / sizeof(std::string_view);
  EXPECT_EQ(fields.size(), kTexts) << "a caption is missing from the list";
  std::set<std::string_view> names;
  for (const MenuCaptionField& f : fields) names.insert(f.Name);
  EXPECT_EQ(names.size(), fields.size());
  const MenuCaptions& c = CaptionsIn(Language::English);
  const auto named = std::find_if(fields.begin(), fields.end(), [](const MenuCaptionField& f) { return f.Name == "DefaultKeysButton"; });
  ASSERT_NE(named, fields.end());
  EXPECT_EQ(c.*named->Caption, c.DefaultKeysButton);
}
