#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/settings/SettingsFile.h"

namespace {

struct Parsed {
  bool Ok = false;
  SettingsFile File;
  Settings Values;
  std::vector<std::string> Warnings;
};

Parsed Parse(const std::string& text) {
  Parsed p;
  p.Ok = p.File.Parse("my.ini", text, p.Values, p.Warnings);
  return p;
}

// The warning about a bad value: one, naming the file and line, what is
// allowed and the default used.
void ExpectOneWarning(const Parsed& p, const std::string& line, const std::string& allowed) {
  ASSERT_EQ(p.Warnings.size(), 1u);
  EXPECT_EQ(p.Warnings[0].rfind("my.ini:" + line + ": ", 0), 0u) << p.Warnings[0];
  EXPECT_NE(p.Warnings[0].find(allowed), std::string::npos) << p.Warnings[0];
}

}  // namespace

TEST(SettingsFile, AnEmptyFileGivesTheDefaults) {
  const Parsed p = Parse("");
  EXPECT_TRUE(p.Ok);
  EXPECT_EQ(p.Values, Settings{});
  EXPECT_TRUE(p.Warnings.empty());
}

TEST(SettingsFile, ReadsEverySetting) {
  const Parsed p = Parse(
      "speed = 60\nbrightness=120\nmusic_volume = 40\neffects_volume = 0\nmute = yes\nlanguage = en\n"
      "key_player1_jump = X\nkey_mute = Keypad0\nwindow_scale = 3\nfullscreen = yes\n"
      "soundfont = /usr/share/sounds/sf2/Other.sf2\nplayer_name =  Aki Tanaka  \n");
  ASSERT_TRUE(p.Ok);
  EXPECT_TRUE(p.Warnings.empty()) << p.Warnings[0];
  const Settings& s = p.Values;
  EXPECT_EQ(s.FrameInterval, 60);
  EXPECT_EQ(s.Brightness, 120);
  EXPECT_EQ(s.MusicVolume, 40);
  EXPECT_EQ(s.EffectsVolume, 0);
  EXPECT_TRUE(s.Mute);
  EXPECT_EQ(s.Lang, Language::English);
  EXPECT_EQ(s.Keys.KeyOf(Action::P1Jump), "X");
  EXPECT_EQ(s.Keys.KeyOf(Action::Mute), "Keypad0");
  EXPECT_EQ(s.WindowScale, 3);
  EXPECT_TRUE(s.FullScreen);
  EXPECT_EQ(s.SoundFont, "/usr/share/sounds/sf2/Other.sf2");
  EXPECT_EQ(s.PlayerName, "Aki Tanaka");
}

TEST(SettingsFile, RangesIncludeTheirEnds) {
  const Parsed low = Parse("speed = 1\nbrightness = 0\nmusic_volume = 0\nwindow_scale = 0\n");
  EXPECT_TRUE(low.Warnings.empty());
  EXPECT_EQ(low.Values.FrameInterval, 1);
  const Parsed high = Parse("speed = 300\nbrightness = 200\nmusic_volume = 100\nwindow_scale = 8\n");
  EXPECT_TRUE(high.Warnings.empty());
  EXPECT_EQ(high.Values.FrameInterval, 300);
  EXPECT_EQ(high.Values.Brightness, 200);
  EXPECT_EQ(high.Values.WindowScale, 8);
}

TEST(SettingsFile, ANumberOutOfRangeFallsBackToItsDefault) {
  const Parsed p = Parse("# speed\n\nspeed = 301\n");
  EXPECT_EQ(p.Values.FrameInterval, 50);
  ExpectOneWarning(p, "3", "from 1 to 300");
  EXPECT_NE(p.Warnings[0].find("'50'"), std::string::npos) << p.Warnings[0];
  EXPECT_EQ(Parse("speed = 0\n").Values.FrameInterval, 50);
  ExpectOneWarning(Parse("brightness = 201\n"), "1", "from 0 to 200");
  ExpectOneWarning(Parse("music_volume = -1\n"), "1", "from 0 to 100");
  ExpectOneWarning(Parse("effects_volume = 101\n"), "1", "from 0 to 100");
  ExpectOneWarning(Parse("window_scale = 9\n"), "1", "from 0 to 8");
}

TEST(SettingsFile, NotANumberFallsBackToItsDefault) {
  for (const char* bad : {"fast", "60ms", "6 0", "", "0x3C", "99999999999999"}) {
    const Parsed p = Parse(std::string("speed = ") + bad + "\n");
    EXPECT_EQ(p.Values.FrameInterval, 50) << bad;
    ExpectOneWarning(p, "1", "a whole number from 1 to 300");
  }
}

TEST(SettingsFile, OnAndOffReadAsYesNoOrTrueFalse) {
  EXPECT_TRUE(Parse("classic_dialogs = true\n").Values.ClassicDialogs);
  EXPECT_TRUE(Parse("mute = yes\n").Values.Mute);
  const Parsed p = Parse("classic_dialogs = true\nfullscreen = false\n");
  EXPECT_TRUE(p.Warnings.empty());
  EXPECT_FALSE(p.Values.FullScreen);
}

TEST(SettingsFile, BadYesNoLanguageAndKeysFallBackToTheirDefaults) {
  Parsed p = Parse("mute = maybe\n");
  EXPECT_FALSE(p.Values.Mute);
  ExpectOneWarning(p, "1", "yes or no");
  p = Parse("fullscreen = 1\n");
  EXPECT_FALSE(p.Values.FullScreen);
  ExpectOneWarning(p, "1", "yes or no");
  p = Parse("language = fr\n");
  EXPECT_EQ(p.Values.Lang, Language::Japanese);
  ExpectOneWarning(p, "1", "ja or en");
  p = Parse("key_pause = Escape\n");
  EXPECT_EQ(p.Values.Keys.KeyOf(Action::Pause), "P");
  ExpectOneWarning(p, "1", "a key name");
}

TEST(SettingsFile, ReadsTheRacePortAndTheLastAddressJoined) {
  Parsed p = Parse("race_port = 65535\nrace_address = 192.168.1.20:4000\n");
  EXPECT_TRUE(p.Warnings.empty()) << p.Warnings[0];
  EXPECT_EQ(p.Values.RacePort, 65535);
  EXPECT_EQ(p.Values.LastRaceAddress, "192.168.1.20:4000");
  EXPECT_EQ(Parse("race_address = pc.local\n").Values.LastRaceAddress, "pc.local");
  EXPECT_EQ(Parse("").Values.RacePort, 17717);
  p = Parse("race_port = 0\n");
  EXPECT_EQ(p.Values.RacePort, 17717);
  ExpectOneWarning(p, "1", "from 1 to 65535");
  p = Parse("race_address = pc.local\nrace_address = a:b:c\n");
  EXPECT_EQ(p.Values.LastRaceAddress, "");
  ExpectOneWarning(p, "2", "address[:port]");
  ExpectOneWarning(Parse("race_address = pc:99999\n"), "1", "address[:port]");
}

TEST(SettingsFile, AKeyTwoActionsClaimGoesBackToTheDefaultForTheLaterLine) {
  const Parsed p = Parse("key_player1_jump = X\nkey_pause = X\n");
  EXPECT_EQ(p.Values.Keys.KeyOf(Action::P1Jump), "X");
  EXPECT_EQ(p.Values.Keys.KeyOf(Action::Pause), "P");
  ExpectOneWarning(p, "2", "already the key of key_player1_jump");
}

TEST(SettingsFile, KeysMayBeSwappedInTheFile) {
  const Parsed p = Parse("key_player1_left = Space\nkey_player1_jump = Left\n");
  EXPECT_TRUE(p.Warnings.empty()) << p.Warnings[0];
  EXPECT_EQ(p.Values.Keys.TargetOf("Space"), 37);
  EXPECT_EQ(p.Values.Keys.TargetOf("Left"), 32);
}

TEST(SettingsFile, UnknownKeysAndLinesWithoutValueAreNamedAndKept) {
  const std::string text = "future_thing = 7\nthis is not a setting\nspeed = 70\n";
  const Parsed p = Parse(text);
  ASSERT_EQ(p.Warnings.size(), 2u);
  EXPECT_EQ(p.Warnings[0], "my.ini:1: unknown setting 'future_thing'; it is kept as it is");
  EXPECT_EQ(p.Warnings[1].rfind("my.ini:2: ", 0), 0u);
  EXPECT_EQ(p.Values.FrameInterval, 70);
  Settings s = p.Values;
  s.FrameInterval = 80;
  const std::string written = p.File.Render(s);
  EXPECT_EQ(written.substr(0, written.find("speed")), "future_thing = 7\nthis is not a setting\n");
}

TEST(SettingsFile, BinaryOrNonUtf8TextIsNotASettingsFile) {
  EXPECT_FALSE(Parse(std::string("speed = 60\n\0\x01\x02", 14)).Ok);
  EXPECT_FALSE(Parse("speed = 60\n\xFF\xFE garbage\n").Ok);
  EXPECT_FALSE(Parse("player_name = \xE7\xB5\n").Ok) << "a character cut off";
  EXPECT_TRUE(Parse("player_name = 田中\n").Ok);
}

TEST(SettingsFile, ANewFileHoldsEverySettingUnderItsComment) {
  SettingsFile file;
  Settings s;
  s.FrameInterval = 60;
  const std::string text = file.Render(s);
  EXPECT_NE(text.find("# The game's speed"), std::string::npos);
  EXPECT_NE(text.find("\nspeed = 60\n"), std::string::npos);
  EXPECT_NE(text.find("\nkey_player2_jump = Z\n"), std::string::npos);
  EXPECT_NE(text.find("\nplayer_name =\n"), std::string::npos);
  // What is written reads back the same, without a complaint.
  Parsed back = Parse(text);
  EXPECT_TRUE(back.Warnings.empty()) << back.Warnings[0];
  EXPECT_EQ(back.Values, s);
}

TEST(SettingsFile, ARewriteChangesOnlyTheLineOfTheChangedSetting) {
  const std::string text =
      "; my own notes\n"
      "speed=60   \n"
      "# louder, please\n"
      "music_volume = 80\n"
      "mute = perhaps\n"
      "fancy = 1\n";
  Parsed p = Parse(text);
  Settings s = p.Values;
  s.MusicVolume = 30;
  const std::string written = p.File.Render(s);
  EXPECT_EQ(written.substr(0, written.find("\n\n")),
            "; my own notes\n"
            "speed=60   \n"
            "# louder, please\n"
            "music_volume = 30\n"
            "mute = perhaps\n"
            "fancy = 1");
  // The settings the file lacked come after what was there.
  EXPECT_NE(written.find("\nkey_start = Enter\n"), std::string::npos);
  EXPECT_EQ(written.find("\nspeed = "), std::string::npos) << "no second speed line";
}

TEST(SettingsFile, ABadLineIsWrittenAnewOnlyWhenItsSettingChanges) {
  Parsed p = Parse("mute = perhaps\n");
  Settings s = p.Values;
  s.Mute = true;
  EXPECT_EQ(p.File.Render(s).substr(0, 11), "mute = yes\n");
}

TEST(SettingsFile, TheLastOfTwoLinesForOneSettingWinsAndIsTheOneRewritten) {
  Parsed p = Parse("speed = 60\nspeed = 70\n");
  EXPECT_EQ(p.Values.FrameInterval, 70);
  Settings s = p.Values;
  s.FrameInterval = 90;
  EXPECT_EQ(p.File.Render(s).substr(0, 22), "speed = 60\nspeed = 90\n");
}

TEST(SettingsFile, AKeyThatAnUnnamedActionKeepsByDefaultIsRefused) {
  const Parsed p = Parse("key_pause = M\n");
  EXPECT_EQ(p.Values.Keys.KeyOf(Action::Pause), "P");
  ExpectOneWarning(p, "1", "already the key of key_mute");
}
