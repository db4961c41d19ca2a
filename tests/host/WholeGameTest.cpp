#include <gtest/gtest.h>

#include <algorithm>

#include "host/loop/HeadlessRun.h"
#include "screens/Title.h"
#include "support/TestGame.h"

namespace {

// A headless run of the whole program from the title, fed by replay lines.
struct HeadlessGame {
  explicit HeadlessGame(i32 practiceStage) : run(*t) {
    t->PracticeStage = practiceStage;
    ShowTitle(*t);
  }

  void Play(const std::string& lines) {
    ReplayScript script;
    ReplayError error;
    ASSERT_TRUE(ParseReplay(std::string(kReplayHeader) + "\n" + lines, script, error))
        << error.What;
    ASSERT_TRUE(run.Run(script, error)) << error.What;
  }

  // Every item but one is taken, the last lies under the character, and the
  // enemies have left: the next frame clears the stage.
  void LeaveOneItemUnderTheCharacter() {
    Game& g = *t;
    for (i32 i = 0; i < g.ItemCount; ++i) g.ItemPhase[i] = -1;
    g.ItemX[0] = g.Player.X;
    g.ItemY[0] = g.Player.Y;
    g.ItemPhase[0] = 0;
    g.ItemsLeft = 1;
    g.EnemyCount = 0;
  }

  bool Showed(const std::string& line) const {
    return std::find(t.text.Lines.begin(), t.text.Lines.end(), line) != t.text.Lines.end();
  }

  TestGame t;
  HeadlessRun run;
};

const char* const kStartFromTheTitle =
    "wait 300\nkey down Enter\nwait 100\nkey up Enter\nwait 1000\n";

}  // namespace

TEST(WholeGame, AClearedStageIsTalliedAndTheNextOneStarts) {
  HeadlessGame h(3);
  h.Play(kStartFromTheTitle);
  ASSERT_EQ(h.t->StageNo, 3);
  ASSERT_TRUE(h.t->Timer1.Enabled);
  h.LeaveOneItemUnderTheCharacter();
  h.Play("wait 2000\n");
  EXPECT_TRUE(h.t->ClearTimer.Enabled);
  EXPECT_FALSE(h.t->Timer1.Enabled);
  EXPECT_TRUE(h.Showed("No-Miss BONUS=1000"));
  EXPECT_GE(h.t->Score, 1000);
  h.Play("wait 3000\n");
  EXPECT_FALSE(h.t->ClearTimer.Enabled);
  EXPECT_TRUE(h.t->Timer1.Enabled);
  EXPECT_EQ(h.t->StageNo, 4);
  EXPECT_EQ(h.t->Lives, 4);
  EXPECT_EQ(h.t->StageCaption.front(), "STAGE 4");
}

TEST(WholeGame, ClearingStageTenLeadsThroughTheEndingBackToTheTitle) {
  HeadlessGame h(10);
  h.Play(kStartFromTheTitle);
  ASSERT_EQ(h.t->StageNo, 10);
  h.LeaveOneItemUnderTheCharacter();
  h.Play("wait 5000\n");
  EXPECT_TRUE(h.Showed("No-Continue BONUS=5000"));
  EXPECT_GE(h.t->Score, 6000);
  EXPECT_TRUE(h.t->EndingTimer.Enabled);
  EXPECT_EQ(h.t->StageNo, 11);
  h.Play("wait 9000\n");
  EXPECT_EQ(h.t->StageNo, 1);
  EXPECT_TRUE(h.Showed("STAGE 1:ROAD AND LADDER"));
  EXPECT_TRUE(h.Showed("PUSH ENTER-KEY TO THE TITLE"));
  h.Play("key down Enter\nwait 60\nkey up Enter\n");
  EXPECT_FALSE(h.t->EndingTimer.Enabled);
  EXPECT_TRUE(h.t->TitleTimer.Enabled);
  EXPECT_EQ(h.t->EndingTick, 0);
}
