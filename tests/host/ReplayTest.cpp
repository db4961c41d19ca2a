#include <gtest/gtest.h>

#include <sstream>

#include "host/replay/Replay.h"

namespace {

ReplayError ParseFails(const std::string& text) {
  ReplayScript script;
  ReplayError error;
  EXPECT_FALSE(ParseReplay(text, script, error)) << text;
  return error;
}

const std::string kHeader = "velmorane-replay 1\n";

}  // namespace

TEST(Replay, ParsesEveryKindOfStep) {
  const std::string text = kHeader +
                           "# a comment\n"
                           "seed 4294967295\n"
                           "\n"
                           "key down Enter\r\n"
                           "  key up   Z\n"
                           "tick ClearTimer\n"
                           "wait 250\n"
                           "menu pause\n"
                           "slider speed 300\n"
                           "slider brightness 0\n"
                           "activate\n";
  ReplayScript script;
  ReplayError error;
  ASSERT_TRUE(ParseReplay(text, script, error)) << error.Line << ": " << error.What;
  ASSERT_TRUE(script.Seed);
  EXPECT_EQ(*script.Seed, 4294967295u);
  ASSERT_EQ(script.Steps.size(), 8u);
  EXPECT_EQ(script.Steps[0].Dispatched.Kind, EventKind::KeyDown);
  EXPECT_EQ(script.Steps[0].Dispatched.Key, 13);
  EXPECT_EQ(script.Steps[0].Line, 5);
  EXPECT_EQ(script.Steps[1].Dispatched.Kind, EventKind::KeyUp);
  EXPECT_EQ(script.Steps[1].Dispatched.Key, 'Z');
  EXPECT_EQ(script.Steps[2].Dispatched.Timer, TimerId::ClearTimer);
  EXPECT_EQ(script.Steps[3].What, ReplayStep::Kind::Wait);
  EXPECT_EQ(script.Steps[3].Ms, 250);
  EXPECT_EQ(script.Steps[4].Dispatched.Menu, MenuCommand::Pause);
  EXPECT_EQ(script.Steps[5].Dispatched.Slider, SliderId::Speed);
  EXPECT_EQ(script.Steps[5].Dispatched.Value, 300);
  EXPECT_EQ(script.Steps[6].Dispatched.Slider, SliderId::Brightness);
  EXPECT_EQ(script.Steps[6].Dispatched.Value, 0);
  EXPECT_EQ(script.Steps[7].Dispatched.Kind, EventKind::Activate);
}

TEST(Replay, SeedIsOptional) {
  ReplayScript script;
  ReplayError error;
  ASSERT_TRUE(ParseReplay(kHeader + "wait 0\n", script, error));
  EXPECT_FALSE(script.Seed);
}

TEST(Replay, WrittenLinesParseBackToTheSameEvents) {
  const Event events[] = {Event::KeyDown(37),
                          Event::KeyUp('Q'),
                          Event::Tick(TimerId::EndingTimer),
                          Event::MenuChoice(MenuCommand::Restart),
                          Event::MenuChoice(MenuCommand::Exit),
                          Event::SliderMove(SliderId::Brightness, 200),
                          Event::Activation()};
  std::string text = kHeader;
  for (const Event& e : events) text += ReplayLine(e) + "\n";
  ReplayScript script;
  ReplayError error;
  ASSERT_TRUE(ParseReplay(text, script, error)) << error.What;
  ASSERT_EQ(script.Steps.size(), std::size(events));
  for (std::size_t i = 0; i < std::size(events); ++i) {
    EXPECT_EQ(ReplayLine(script.Steps[i].Dispatched), ReplayLine(events[i]));
  }
  EXPECT_EQ(ReplayLine(Event::KeyDown(37)), "key down Left");
  EXPECT_EQ(ReplayLine(Event::SliderMove(SliderId::Speed, 40)), "slider speed 40");
}

TEST(Replay, HeaderMustBeTheFirstLine) {
  EXPECT_EQ(ParseFails("# comment\nvelmorane-replay 1\n").Line, 1);
  EXPECT_EQ(ParseFails("velmorane-replay 2\n").Line, 1);
  EXPECT_EQ(ParseFails("").Line, 1);
}

TEST(Replay, ReportsTheLineOfTheFirstMistake) {
  const ReplayError e = ParseFails(kHeader + "key down Left\n\nkey down Escape\nkey down Nothing\n");
  EXPECT_EQ(e.Line, 4);
  EXPECT_NE(e.What.find("Escape"), std::string::npos);
}

TEST(Replay, RejectsMalformedSteps) {
  for (const char* line : {"key down a", "key press A", "key down", "key down A B", "tick Timer3", "tick",
                           "wait -5", "wait 10ms", "wait", "menu quit", "menu", "slider speed 301",
                           "slider brightness 201", "slider speed -1", "slider volume 3", "activate now",
                           "jump", "seed", "seed 4294967296", "seed -1", "seed 0x10"}) {
    EXPECT_EQ(ParseFails(kHeader + line + "\n").Line, 2) << line;
  }
}

TEST(Replay, SeedOnlyOnceAndBeforeTheEvents) {
  EXPECT_EQ(ParseFails(kHeader + "seed 1\nseed 2\n").Line, 3);
  EXPECT_EQ(ParseFails(kHeader + "activate\nseed 2\n").Line, 3);
}

TEST(Replay, SeedNumbersAreDecimalDigitsInRange) {
  std::uint32_t seed = 0;
  EXPECT_TRUE(ParseSeed("0", seed));
  EXPECT_EQ(seed, 0u);
  EXPECT_TRUE(ParseSeed("4294967295", seed));
  EXPECT_EQ(seed, 4294967295u);
  EXPECT_FALSE(ParseSeed("4294967296", seed));
  EXPECT_FALSE(ParseSeed("+5", seed));
  EXPECT_FALSE(ParseSeed("", seed));
}

TEST(Replay, TheStartLinesGiveTheStageAndTheHighScore) {
  ReplayScript script;
  ReplayError error;
  ASSERT_TRUE(ParseReplay(kHeader + "seed 7\nstage 10\nhiscore 2147483647\nactivate\n", script, error)) << error.What;
  EXPECT_EQ(script.Stage, 10);
  EXPECT_EQ(script.HiScore, 2147483647);
  ASSERT_TRUE(ParseReplay(kHeader + "seed 7\nactivate\n", script, error));
  EXPECT_FALSE(script.Stage);
  EXPECT_FALSE(script.HiScore);
}

TEST(Replay, StartLinesAreWrittenOnlyWhenTheStartIsNotPlain) {
  EXPECT_EQ(ReplayStartLines({4711, 1, 0}), kHeader + "seed 4711\nrules 1\n");
  EXPECT_EQ(ReplayStartLines({4711, 5, 0}), kHeader + "seed 4711\nstage 5\nrules 1\n");
  EXPECT_EQ(ReplayStartLines({4711, 1, 900}), kHeader + "seed 4711\nhiscore 900\nrules 1\n");
  ReplayScript script;
  ReplayError error;
  ASSERT_TRUE(ParseReplay(ReplayStartLines({4711, 3, 12340}), script, error)) << error.What;
  EXPECT_EQ(script.Seed, 4711u);
  EXPECT_EQ(script.Stage, 3);
  EXPECT_EQ(script.HiScore, 12340);
}

TEST(Replay, StartLinesOnlyOnceBeforeTheEventsAndInRange) {
  EXPECT_EQ(ParseFails(kHeader + "stage 2\nstage 2\n").Line, 3);
  EXPECT_EQ(ParseFails(kHeader + "hiscore 5\nhiscore 5\n").Line, 3);
  EXPECT_EQ(ParseFails(kHeader + "seed 1\nactivate\nstage 2\n").Line, 4);
  EXPECT_EQ(ParseFails(kHeader + "wait 10\nhiscore 100\n").Line, 3);
  for (const char* line : {"stage 0", "stage 11", "stage", "stage two", "stage 1 2", "hiscore -1",
                           "hiscore 2147483648", "hiscore", "hiscore 1e3"}) {
    EXPECT_EQ(ParseFails(kHeader + "seed 1\n" + line + "\n").Line, 3) << line;
  }
}

TEST(Replay, ARecordingOfThisBuildsRulesPlays) {
  ReplayScript script;
  ReplayError error;
  EXPECT_TRUE(ParseReplay(kHeader + "seed 1\nrules 1\nactivate\n", script, error)) << error.What;
  EXPECT_EQ(script.Steps.size(), 1u);
}

TEST(Replay, ARecordingOfOtherRulesIsRefusedNamingThem) {
  const ReplayError error = ParseFails(kHeader + "seed 1\nrules 2\nactivate\n");
  EXPECT_EQ(error.Line, 3);
  EXPECT_NE(error.What.find("rules 2"), std::string::npos) << error.What;
  EXPECT_NE(ParseFails(kHeader + "rules 99999999999999999999\n").What.find("rules 99999999999999999999"),
            std::string::npos);
}

TEST(Replay, RulesOnlyOnceBeforeTheEventsAndAsANumber) {
  EXPECT_EQ(ParseFails(kHeader + "rules 1\nrules 1\n").Line, 3);
  EXPECT_EQ(ParseFails(kHeader + "activate\nrules 1\n").Line, 3);
  for (const char* line : {"rules", "rules one", "rules 1 2", "rules -1"}) {
    EXPECT_EQ(ParseFails(kHeader + line + "\n").Line, 2) << line;
  }
}

TEST(Replay, TellsARecordingOfOtherRulesFromItsStartLines) {
  auto other = [](const std::string& text) {
    std::istringstream in(text);
    return MadeUnderOtherRules(in);
  };
  EXPECT_TRUE(other(kHeader + "seed 1\nstage 3\n# note\nrules 2\nactivate\n"));
  EXPECT_FALSE(other(kHeader + "seed 1\nrules 1\nactivate\n"));
  EXPECT_FALSE(other(kHeader + "seed 1\nactivate\n"));
  EXPECT_FALSE(other(kHeader + "seed 1\nactivate\nrules 2\n"));
  EXPECT_FALSE(other("not a recording\nrules 2\n"));
}
