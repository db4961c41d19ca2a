#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <vector>

#include "host/records/ScoreFile.h"
#include "support/ScratchFolder.h"

namespace {

ScoreEntry Game(int score, const std::string& name) {
  ScoreEntry e;
  e.Score = score;
  e.Stage = 2;
  e.Date = "2026-12-10 04:30";
  e.Name = name;
  return e;
}

struct Complaints {
  std::vector<std::string> Lines;
  Trouble Sink() {
    return [this](const std::string& line) { Lines.push_back(line); };
  }
};

}  // namespace

TEST(ScoreFile, NoFileIsAnEmptyTableAndTheFirstGameMakesIt) {
  ScratchFolder scratch;
  Complaints said;
  ScoreFile file((scratch / "data/velmorane/scores.txt").string(), said.Sink());
  EXPECT_TRUE(file.Load().Entries().empty());
  EXPECT_TRUE(file.Add(Game(700, "ann")));
  EXPECT_EQ(file.Load().Best(), 700);
  EXPECT_TRUE(said.Lines.empty());
  EXPECT_EQ(FileText(file.Path()).rfind(kScoreFileHeader, 0), 0u);
}

TEST(ScoreFile, TwoProgramsWritingAtOnceLoseNeithersScores) {
  ScratchFolder scratch;
  const std::string path = (scratch / "scores.txt").string();
  Complaints said;
  // Two writers with files of their own, as two programs would have.
  auto writer = [&](int base, const char* name) {
    ScoreFile file(path, [](const std::string&) {});
    for (int i = 0; i < 5; ++i) file.Add(Game(base + i, name));
  };
  std::thread one(writer, 100, "one"), two(writer, 200, "two");
  one.join();
  two.join();
  ScoreFile reader(path, said.Sink());
  const ScoreTable t = reader.Load();
  ASSERT_EQ(t.Entries().size(), 10u);
  EXPECT_EQ(t.Best(), 204);
  EXPECT_EQ(t.Entries().back().Score, 100);
  EXPECT_TRUE(said.Lines.empty());
}

TEST(ScoreFile, ABrokenFileIsKeptAsideUnderAFreeNameAndTheTableStartsEmpty) {
  ScratchFolder scratch;
  const auto path = scratch / "scores.txt";
  Complaints said;
  ScoreFile file(path.string(), said.Sink());
  PutFile(path, "what a person wrote\n");
  PutFile(scratch / "scores.txt.bad", "an earlier bad file\n");
  EXPECT_TRUE(file.Load().Entries().empty());
  ASSERT_EQ(said.Lines.size(), 1u);
  EXPECT_NE(said.Lines[0].find("scores.txt:1"), std::string::npos) << said.Lines[0];
  EXPECT_NE(said.Lines[0].find("scores.txt.bad.2"), std::string::npos) << said.Lines[0];
  EXPECT_EQ(FileText(scratch / "scores.txt.bad"), "an earlier bad file\n");
  EXPECT_EQ(FileText(scratch / "scores.txt.bad.2"), "what a person wrote\n");
  EXPECT_FALSE(std::filesystem::exists(path));
  // The next game starts a fresh table.
  EXPECT_TRUE(file.Add(Game(50, "ann")));
  EXPECT_EQ(file.Load().Best(), 50);
  EXPECT_EQ(said.Lines.size(), 1u);
}

TEST(ScoreFile, ALineThatDoesNotReadIsLeftOutAndTheFileKeptAsideAsItWas) {
  ScratchFolder scratch;
  const auto path = scratch / "scores.txt";
  Complaints said;
  ScoreFile file(path.string(), said.Sink());
  const std::string text = "velmorane-scores 1\n700\tstage 2\t2026-12-01 10:00\t-\tann\nnot a game\n";
  PutFile(path, text);
  const ScoreTable table = file.Load();
  ASSERT_EQ(table.Entries().size(), 1u);
  EXPECT_EQ(table.Entries()[0].Name, "ann");
  ASSERT_EQ(said.Lines.size(), 1u);
  EXPECT_NE(said.Lines[0].find("scores.txt:3: "), std::string::npos) << said.Lines[0];
  EXPECT_NE(said.Lines[0].find("scores.txt.bad"), std::string::npos) << said.Lines[0];
  EXPECT_EQ(FileText(scratch / "scores.txt.bad"), text);
  // The table that was read is the file now, and says nothing more.
  EXPECT_EQ(file.Load().Best(), 700);
  EXPECT_EQ(said.Lines.size(), 1u);
}

TEST(ScoreFile, AFolderThatCannotBeWrittenCostsOneLine) {
  ScratchFolder scratch;
  // A file stands where the folder should be.
  PutFile(scratch / "data", "not a folder");
  Complaints said;
  ScoreFile file((scratch / "data/scores.txt").string(), said.Sink());
  EXPECT_FALSE(file.Add(Game(50, "ann")));
  ASSERT_EQ(said.Lines.size(), 1u);
  EXPECT_NE(said.Lines[0].find("cannot keep the score"), std::string::npos) << said.Lines[0];
  EXPECT_EQ(FileText(scratch / "data"), "not a folder");
}
