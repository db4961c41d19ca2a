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

// The one line of text that does not read, which is left out of the table.
int BadLine(const std::string& text) {
  ScoreTable t;
  std::vector<BadScoreLine> bad;
  ParseScoreTable(text, t, bad);
  EXPECT_TRUE(t.Entries().empty());
  if (bad.size() != 1) return 0;
  EXPECT_FALSE(bad[0].What.empty());
  return bad[0].Line;
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
  std::vector<BadScoreLine> bad;
  ASSERT_TRUE(ParseScoreTable(text, back, bad));
  EXPECT_TRUE(bad.empty());
  ASSERT_EQ(back.Entries().size(), 3u);
  EXPECT_TRUE(back.Entries()[0].Ending);
  EXPECT_EQ(back.Entries()[1].Replay, "20261210-043000.replay");
  EXPECT_EQ(back.Entries()[2].Name, "tab here");
  EXPECT_EQ(FormatScoreTable(back), text);
}

TEST(ScoreTable, ReadingSortsAHandEditedFile) {
  ScoreTable t;
  std::vector<BadScoreLine> bad;
  ASSERT_TRUE(ParseScoreTable(std::string(kScoreFileHeader) + "\n10\tstage 1\td\t-\tlow\n\n# mine\n20\tstage 2\td\t-\thigh\n",
                              t, bad));
  EXPECT_TRUE(bad.empty());
  EXPECT_EQ(Names(t), (std::vector<std::string>{"high", "low"}));
}

TEST(ScoreTable, WithoutItsFormatLineTheTextIsNoTable) {
  ScoreTable t;
  std::vector<BadScoreLine> bad;
  EXPECT_FALSE(ParseScoreTable("", t, bad));
  EXPECT_EQ(bad.size(), 1u);
  EXPECT_FALSE(ParseScoreTable("velmorane-scores 2\n10\tstage 1\td\t-\tn\n", t, bad));
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_EQ(bad[0].Line, 1);
  EXPECT_TRUE(t.Entries().empty());
}

TEST(ScoreTable, KeepsEveryEntryThatReadsAndNamesEachLineThatDoesNot) {
  ScoreTable t;
  std::vector<BadScoreLine> bad;
  const std::string h = std::string(kScoreFileHeader) + "\n";
  EXPECT_TRUE(ParseScoreTable(h + "10\tstage 1\td\t-\tann\nnonsense\n# ok\n20\tstage 9\td\t-\t\n", t, bad));
  EXPECT_EQ(Names(t), (std::vector<std::string>{"ann"}));
  ASSERT_EQ(bad.size(), 2u);
  EXPECT_EQ(bad[0].Line, 3);
  EXPECT_EQ(bad[1].Line, 5);
}

TEST(ScoreTable, SaysWhyAnEntryDoesNotRead) {
  const std::string h = std::string(kScoreFileHeader) + "\n";
  EXPECT_EQ(BadLine(h + "10\tstage 1\td\t-\n"), 2);
  EXPECT_EQ(BadLine(h + "# ok\nten\tstage 1\td\t-\tn\n"), 3);
  EXPECT_EQ(BadLine(h + "99999999999\tstage 1\td\t-\tn\n"), 2);
  EXPECT_EQ(BadLine(h + "10\tstage 11\td\t-\tn\n"), 2);
  EXPECT_EQ(BadLine(h + "10\tstage 0\td\t-\tn\n"), 2);
  EXPECT_EQ(BadLine(h + "10\tfinished\td\t-\tn\n"), 2);
  EXPECT_EQ(BadLine(h + "10\tstage 1\td\t../x.replay\tn\n"), 2);
  EXPECT_EQ(BadLine(h + "10\tstage 1\td\t-\t\n"), 2);
}
