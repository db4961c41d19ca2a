#include <gtest/gtest.h>

#include "host/records/ScoreTable.h"

namespace {

ScoreEntry Game(int score, const std::string& name, int stage = 3, bool ending = false) {
  ScoreEntry e;
  e.Score = score;
  e.Stage = stage;
  e.Ending = ending;
  e.Date = "2026-12-10 04:30";
  e.Name = name;
  return e;
}

std::vector<std::string> Names(const ScoreTable& t) {
  std::vector<std::string> names;
  for (const ScoreEntry& e : t.Entries()) names.push_back(e.Name);
  return names;
}

bool ParseFails(const std::string& text, int expectedLine) {
  ScoreTable t;
  int line = 0;
  std::string what;
  const bool ok = ParseScoreTable(text, t, line, what);
  EXPECT_FALSE(what.empty() && !ok);
  EXPECT_EQ(line, expectedLine) << what;
  return !ok;
}

}  // namespace

TEST(ScoreTable, KeepsTheBestTenBestFirstAndTiesKeepTheEarlierAhead) {
  ScoreTable t;
  EXPECT_TRUE(t.Insert(Game(500, "a")));
  EXPECT_TRUE(t.Insert(Game(900, "b")));
  EXPECT_TRUE(t.Insert(Game(500, "c")));
  EXPECT_EQ(Names(t), (std::vector<std::string>{"b", "a", "c"}));
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(t.Insert(Game(100 + i, "x" + std::to_string(i))));
  ASSERT_EQ(t.Entries().size(), 10u);
  EXPECT_EQ(t.Entries().back().Score, 100);
  // Full: a score equal to the last does not push it out; a better one does.
  EXPECT_FALSE(t.Makes(100));
  EXPECT_FALSE(t.Insert(Game(100, "late")));
  EXPECT_TRUE(t.Insert(Game(101, "better")));
  ASSERT_EQ(t.Entries().size(), 10u);
  // The new 101 goes behind the earlier one; the 100 drops out.
  EXPECT_EQ(t.Entries()[8].Name, "x1");
  EXPECT_EQ(t.Entries()[9].Name, "better");
  EXPECT_EQ(t.Best(), 900);
}

TEST(ScoreTable, AGameWithoutPointsDoesNotEnter) {
  ScoreTable t;
  EXPECT_FALSE(t.Insert(Game(0, "nobody")));
  EXPECT_TRUE(t.Entries().empty());
  EXPECT_EQ(t.Best(), 0);
}

TEST(ScoreTable, WrittenTextReadsBackTheSameTable) {
  ScoreTable t;
  t.Insert(Game(14060, "Ann Smith", 10, true));
  ScoreEntry withReplay = Game(1200, "bo", 7);
  withReplay.Replay = "20261210-043000.replay";
  t.Insert(withReplay);
  t.Insert(Game(300, "tab\there"));
  const std::string text = FormatScoreTable(t);
  EXPECT_EQ(text.substr(0, text.find('\n')), kScoreFileHeader);
  EXPECT_NE(text.find("14060\tending\t2026-12-10 04:30\t-\tAnn Smith\n"), std::string::npos) << text;
  EXPECT_NE(text.find("1200\tstage 7\t2026-12-10 04:30\t20261210-043000.replay\tbo\n"), std::string::npos) << text;
  ScoreTable back;
  int line = 0;
  std::string what;
  ASSERT_TRUE(ParseScoreTable(text, back, line, what)) << line << ": " << what;
  ASSERT_EQ(back.Entries().size(), 3u);
  EXPECT_TRUE(back.Entries()[0].Ending);
  EXPECT_EQ(back.Entries()[1].Replay, "20261210-043000.replay");
  EXPECT_EQ(back.Entries()[2].Name, "tab here");
  EXPECT_EQ(FormatScoreTable(back), text);
}

TEST(ScoreTable, ReadingSortsAHandEditedFile) {
  ScoreTable t;
  int line = 0;
  std::string what;
  ASSERT_TRUE(ParseScoreTable(std::string(kScoreFileHeader) + "\n10\tstage 1\td\t-\tlow\n\n# mine\n20\tstage 2\td\t-\thigh\n",
                              t, line, what))
      << what;
  EXPECT_EQ(Names(t), (std::vector<std::string>{"high", "low"}));
}

TEST(ScoreTable, RejectsWhatIsNotATableWithTheLine) {
  const std::string h = std::string(kScoreFileHeader) + "\n";
  EXPECT_TRUE(ParseFails("", 1));
  EXPECT_TRUE(ParseFails("velmorane-scores 2\n", 1));
  EXPECT_TRUE(ParseFails(h + "10\tstage 1\td\t-\n", 2));
  EXPECT_TRUE(ParseFails(h + "# ok\nten\tstage 1\td\t-\tn\n", 3));
  EXPECT_TRUE(ParseFails(h + "99999999999\tstage 1\td\t-\tn\n", 2));
  EXPECT_TRUE(ParseFails(h + "10\tstage 11\td\t-\tn\n", 2));
  EXPECT_TRUE(ParseFails(h + "10\tstage 0\td\t-\tn\n", 2));
  EXPECT_TRUE(ParseFails(h + "10\tfinished\td\t-\tn\n", 2));
  EXPECT_TRUE(ParseFails(h + "10\tstage 1\td\t../x.replay\tn\n", 2));
  EXPECT_TRUE(ParseFails(h + "10\tstage 1\td\t-\t\n", 2));
}
