#include <gtest/gtest.h>

#include "host/records/RecordKeeper.h"
#include "host/records/ReplayFolder.h"
#include "support/ScratchFolder.h"
#include "support/TestGame.h"

namespace {

// A one-player game that has just lost its last life.
void GameOver(Game& g, int score, int stage) {
  g.PlayMode = PlayMode::OnePlayer;
  g.Score = score;
  g.StageNo = stage;
  g.Lives = 0;
  g.Timer2.SetEnabled(true);
}

struct Keeping {
  Keeping() : scores((scratch / "scores.txt").string(), [this](const std::string& line) { said.push_back(line); }) {
    std::string error;
    EXPECT_TRUE(recorder.Open((scratch / "run.replay").string(), {99, 4, 500}, error)) << error;
    keeper.AddRecording(&recorder, "run.replay");
    keeper.KeepScores(&scores, "ann");
  }

  ScratchFolder scratch;
  TestGame t;
  std::vector<std::string> said;
  ScoreFile scores;
  ReplayRecorder recorder;
  RecordKeeper keeper{*t, [] { return std::string("2026-12-10 04:30"); }};
};

}  // namespace

TEST(RecordKeeper, EachGameOverEntersItsGameAndNotesItInTheRecording) {
  Keeping k;
  k.keeper.Dispatched(Event::KeyDown(13));
  GameOver(*k.t, 1234, 3);
  k.keeper.Dispatched(Event::Tick(TimerId::Timer2));
  k.keeper.Dispatched(Event::Tick(TimerId::Timer2));  // still the same game over
  // Continued: the score starts again from 0, and the next game over is a
  // game of its own.
  k.t->Lives = 3;
  k.t->Timer2.SetEnabled(false);
  k.keeper.Dispatched(Event::KeyDown('C'));
  GameOver(*k.t, 200, 4);
  k.keeper.Finish();

  EXPECT_EQ(FileText(k.scratch / "run.replay"),
            "velmorane-replay 1\nseed 99\nstage 4\nhiscore 500\nrules 1\nkey down Enter\n# end score 1234 stage 3\n"
            "tick Timer2\ntick Timer2\nkey down C\n# end score 200 stage 4\n");
  const ScoreTable table = k.scores.Load();
  ASSERT_EQ(table.Entries().size(), 2u);
  EXPECT_EQ(table.Entries()[0].Score, 1234);
  EXPECT_EQ(table.Entries()[0].Stage, 3);
  EXPECT_EQ(table.Entries()[0].Name, "ann");
  EXPECT_EQ(table.Entries()[0].Date, "2026-12-10 04:30");
  EXPECT_EQ(table.Entries()[0].Replay, "run.replay");
  EXPECT_EQ(table.Entries()[1].Score, 200);
  EXPECT_TRUE(k.said.empty());
}

TEST(RecordKeeper, TheEndingEntersTheGameAsReachingTheEnding) {
  Keeping k;
  k.t->Score = 16000;
  k.t->StageNo = 11;
  k.t->EndingTimer.SetEnabled(true);
  k.keeper.Dispatched(Event::Tick(TimerId::EndingTimer));
  const ScoreTable table = k.scores.Load();
  ASSERT_EQ(table.Entries().size(), 1u);
  EXPECT_TRUE(table.Entries()[0].Ending);
  EXPECT_EQ(ReachedText(table.Entries()[0]), "ending");
  EXPECT_NE(FileText(k.scratch / "run.replay").find("# end score 16000 stage ending\n"), std::string::npos);
}

TEST(RecordKeeper, ATwoPlayerRaceResultIsNoGameForTheTable) {
  Keeping k;
  k.t->PlayMode = PlayMode::TwoPlayer;
  k.t->Score = 300;
  k.t->Lives = 0;
  k.t->Timer2.SetEnabled(true);
  k.keeper.Dispatched(Event::Tick(TimerId::Timer2));
  EXPECT_TRUE(k.scores.Load().Entries().empty());
}
