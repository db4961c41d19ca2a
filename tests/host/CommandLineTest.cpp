#include <gtest/gtest.h>

#include "host/io/CommandLine.h"

namespace {

std::string Fails(const std::vector<std::string>& args) {
  Options o;
  std::string error;
  EXPECT_FALSE(ParseCommandLine(args, o, error));
  return error;
}

Options Parses(const std::vector<std::string>& args) {
  Options o;
  std::string error;
  EXPECT_TRUE(ParseCommandLine(args, o, error)) << error;
  return o;
}

}  // namespace

TEST(CommandLine, NoOptionsStartsAWindowedGameFromTheClock) {
  const Options o = Parses({});
  EXPECT_FALSE(o.Headless);
  EXPECT_FALSE(o.Seed);
  EXPECT_EQ(o.Stage, 1);
}

TEST(CommandLine, ReadsEveryOption) {
  const Options o = Parses({"--headless", "--replay", "r.txt", "--seed", "4294967295", "--dump-state",
                            "--screenshot", "s.png", "--stage", "10", "--soundfont", "f.sf2", "--assets", "a"});
  EXPECT_TRUE(o.Headless);
  EXPECT_EQ(o.ReplayFile, "r.txt");
  EXPECT_EQ(*o.Seed, 4294967295u);
  EXPECT_TRUE(o.DumpState);
  EXPECT_EQ(o.ScreenshotFile, "s.png");
  EXPECT_EQ(o.Stage, 10);
  EXPECT_EQ(o.SoundFont, "f.sf2");
  EXPECT_EQ(o.AssetDir, "a");
  EXPECT_FALSE(o.NoRecords);
  EXPECT_TRUE(Parses({"--no-records"}).NoRecords);
}

TEST(CommandLine, SeedMustBeAnUnsigned32BitNumber) {
  EXPECT_EQ(Parses({"--seed", "0"}).Seed, 0u);
  EXPECT_NE(Fails({"--seed", "4294967296"}).find("--seed"), std::string::npos);
  Fails({"--seed", "-1"});
  Fails({"--seed", "12a"});
  EXPECT_EQ(Fails({"--seed"}), "--seed needs a value");
}

TEST(CommandLine, StageIsOneToTen) {
  EXPECT_EQ(Parses({"--stage", "1"}).Stage, 1);
  Fails({"--stage", "0"});
  Fails({"--stage", "11"});
  Fails({"--stage", "01"});
}

TEST(CommandLine, HeadlessNeedsAReplay) {
  EXPECT_EQ(Fails({"--headless"}), "--headless needs --replay FILE");
  Fails({"--headless", "--replay", "r", "--record", "w"});
  Fails({"--replay", "r", "--record", "w"});
}

TEST(CommandLine, PrintStageNeedsASeed) {
  Fails({"--print-stage", "3"});
  const Options o = Parses({"--print-stage", "duo", "--seed", "77"});
  EXPECT_TRUE(o.PrintStageSet);
  EXPECT_EQ(o.PrintStage, "duo");
  EXPECT_EQ(o.SeedText, "77");
}

TEST(CommandLine, UnknownOptionsAreNamed) {
  EXPECT_EQ(Fails({"--fast"}), "unknown option '--fast' (see --help)");
  Fails({"game.txt"});
}

TEST(CommandLine, HelpAndVersionNeedNothingElse) {
  EXPECT_TRUE(Parses({"--help"}).Help);
  EXPECT_TRUE(Parses({"--version", "--headless"}).Version);
}

TEST(CommandLine, ReadsTheSettingsOptions) {
  Options o = Parses({"--settings", "my.ini", "--lang", "en"});
  EXPECT_EQ(o.SettingsFile, "my.ini");
  EXPECT_EQ(o.Lang, Language::English);
  EXPECT_FALSE(o.NoSettings);
  o = Parses({"--no-settings", "--lang", "ja"});
  EXPECT_TRUE(o.NoSettings);
  EXPECT_EQ(o.Lang, Language::Japanese);
  EXPECT_FALSE(Parses({}).Lang);
}

TEST(CommandLine, RefusesBadSettingsOptions) {
  EXPECT_EQ(Fails({"--lang", "fr"}), "--lang: 'fr' is not ja or en");
  EXPECT_EQ(Fails({"--lang"}), "--lang needs a value");
  EXPECT_EQ(Fails({"--settings"}), "--settings needs a value");
  EXPECT_EQ(Fails({"--settings", "a.ini", "--no-settings"}), "--settings and --no-settings cannot be used together");
}
