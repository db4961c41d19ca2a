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

TEST(CommandLine, HostTakesAPortOnlyWhenItIsAllDigits) {
  Options o = Parses({"--host"});
  EXPECT_TRUE(o.RaceHost);
  EXPECT_FALSE(o.RaceHostPort);
  EXPECT_EQ(Parses({"--host", "4000"}).RaceHostPort, 4000);
  o = Parses({"--host", "--lang", "en"});
  EXPECT_FALSE(o.RaceHostPort);
  EXPECT_EQ(o.Lang, Language::English);
  EXPECT_EQ(Fails({"--host", "65536"}), "--host: the port must be a number from 1 to 65535, not '65536'");
  EXPECT_EQ(Parses({"--host", "0"}).RaceHostPort, 0);  // a free port
  Fails({"--host", "00"});
  EXPECT_FALSE(Parses({}).RaceHost);
}

TEST(CommandLine, JoinReadsAnAddressAndPort) {
  const Options o = Parses({"--join", "192.168.1.20:4000"});
  ASSERT_TRUE(o.RaceJoin);
  EXPECT_EQ(o.RaceJoin->Host, "192.168.1.20");
  EXPECT_EQ(o.RaceJoin->Port, 4000);
  EXPECT_EQ(Parses({"--join", "pc.local"}).RaceJoin->Port, kDefaultRacePort);
  EXPECT_EQ(Fails({"--join", "a:b:c"}).rfind("--join: 'a:b:c' is not an address", 0), 0u);
  EXPECT_EQ(Fails({"--join", "pc:0"}), "--join: the port must be a number from 1 to 65535, not '0'");
  EXPECT_EQ(Fails({"--join"}), "--join needs a value");
}

TEST(CommandLine, AHeadlessRaceNeedsThisSidesInputs) {
  const Options o = Parses({"--headless", "--host", "--inputs", "keys.txt"});
  EXPECT_EQ(o.RaceInputs, "keys.txt");
  EXPECT_TRUE(o.ReplayFile.empty());
  Parses({"--headless", "--join", "pc", "--inputs", "keys.txt", "--dump-state"});
  EXPECT_EQ(Fails({"--headless", "--join", "pc"}), "--headless with --host or --join needs --inputs FILE");
  EXPECT_EQ(Fails({"--host", "--inputs", "keys.txt"}), "--inputs needs --headless and --host or --join");
  EXPECT_EQ(Fails({"--headless", "--inputs", "keys.txt"}), "--inputs needs --headless and --host or --join");
}

TEST(CommandLine, RefusesRacesWithWhatCannotGoWithThem) {
  EXPECT_EQ(Fails({"--host", "--join", "pc"}), "--host and --join cannot be used together");
  EXPECT_EQ(Fails({"--join", "pc", "--replay", "r.txt"}), "--replay cannot be used with --host or --join");
  EXPECT_EQ(Fails({"--headless", "--host", "--inputs", "k", "--replay", "r"}),
            "--replay cannot be used with --host or --join");
}
