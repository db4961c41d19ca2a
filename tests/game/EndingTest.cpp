#include <gtest/gtest.h>

#include <algorithm>

#include "game/Events.h"
#include "screens/EndingSceneTick.h"
#include "screens/EndingStart.h"
#include "support/TestGame.h"

namespace {

constexpr Pixel kWallTile = 0x00806040;
constexpr Pixel kEmptyTile = 0x00000030;

// The ending as the tally after stage 10 starts it, with sheets whose wall
// and empty tiles have colours of their own.
void StartTheEnding(TestGame& t) {
  Game& g = *t;
  g.PlayMode = PlayMode::OnePlayer;
  g.StageNo = 11;
  g.SpriteSheet = Surface(320, 256);
  g.SpriteSheet.Fill(32, 0, 56, 24, kWallTile);
  g.SpriteSheet.Fill(64, 0, 88, 24, kEmptyTile);
  g.DuoSpriteSheet = Surface(320, 256);
  g.ShownField.Fill(0, 0, kFieldWidth, kFieldHeight, 0x00FFFFFF);
  StartEnding(g);
}

void Tick(TestGame& t, int times = 1) {
  for (int i = 0; i < times; ++i) EndingSceneTick(*t);
}

// The lines drawn by the last tick (every tick draws its lines anew).
std::vector<std::string> LinesOfTick(TestGame& t) {
  t.text.Lines.clear();
  Tick(t);
  return t.text.Lines;
}

// Where the first wall cell of the grid is, as a pixel of the field.
bool FindWall(const Game& g, int& x, int& y) {
  for (int c = 0; c <= 22; ++c) {
    for (int r = 1; r <= 19; ++r) {
      if (g.MapData[c][r] == Tile::Wall) {
        x = 24 * c + 12;
        y = 24 * r + 12;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

TEST(Ending, TheLinesComeOneAfterAnotherOnBlack) {
  TestGame t;
  StartTheEnding(t);
  Tick(t, 8);
  EXPECT_TRUE(LinesOfTick(t).empty());  // tick 9
  EXPECT_EQ(LinesOfTick(t), std::vector<std::string>{"YOU CLEARED ALL STAGES."});
  EXPECT_EQ(t->ShownField.At(181, 181), FromColorRef(0x00FF00));
  EXPECT_EQ(t->ShownField.At(100, 100), kBlack);
  Tick(t, 38);
  EXPECT_EQ(LinesOfTick(t).size(), 1u);  // tick 49
  EXPECT_EQ(LinesOfTick(t).back(), "CONGRATULATIONS!");
  Tick(t, 38);
  EXPECT_EQ(LinesOfTick(t).size(), 2u);  // tick 89
  EXPECT_EQ(LinesOfTick(t).back(), "THANK YOU FOR PLAYING");
  EXPECT_EQ(t->ShownField.At(201, 281), FromColorRef(0xFF00FF));
  Tick(t, 38);
  EXPECT_EQ(LinesOfTick(t).size(), 3u);  // tick 129
  EXPECT_EQ(LinesOfTick(t),
            (std::vector<std::string>{"YOU CLEARED ALL STAGES.", "CONGRATULATIONS!",
                                      "THANK YOU FOR PLAYING", "PUSH ENTER-KEY TO THE TITLE"}));
  EXPECT_EQ(t->EndingTick, -40);
  EXPECT_TRUE(t->EndingTimer.Enabled);
  EXPECT_EQ(t.screen.Count, 130);
}

TEST(Ending, TheFirstDemonstrationIsStageOneOnTick171) {
  TestGame t;
  StartTheEnding(t);
  Tick(t, 170);
  EXPECT_EQ(t->StageNo, 11);
  EXPECT_EQ(t->EndingTick, 0);
  EXPECT_EQ(t->ShownField.At(300, 100), kBlack);
  const std::vector<std::string> lines = LinesOfTick(t);
  EXPECT_EQ(t->StageNo, 1);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines.front(), "STAGE 1:ROAD AND LADDER");
  EXPECT_EQ(t->UncoveredImage.At(1, 1), FromColorRef(0xFFFFFF));
  int x = 0, y = 0;
  ASSERT_TRUE(FindWall(*t, x, y));
  EXPECT_EQ(t->UncoveredImage.At(x, y), kWallTile);
  EXPECT_EQ(t->ShownField.At(0, 470), t->UncoveredImage.At(0, 470));
}

TEST(Ending, ItemCellsStayInTheGridAndShowAsBackground) {
  TestGame t;
  StartTheEnding(t);
  t->EndingTick = 0;
  Tick(t);
  int items = 0;
  for (int c = 0; c <= 22; ++c) {
    for (int r = 0; r <= 20; ++r) {
      if (t->MapData[c][r] != Tile::Item) continue;
      ++items;
      EXPECT_EQ(t->UncoveredImage.At(24 * c + 20, 24 * r + 20), kEmptyTile);
    }
  }
  EXPECT_GT(items, 0);
  EXPECT_EQ(t->ItemCount, 0);
}

TEST(Ending, EachStageStaysFor150TicksAndStageOneComesBackAt1501) {
  TestGame t;
  StartTheEnding(t);
  t->EndingTick = 0;
  Tick(t);
  EXPECT_EQ(t->StageNo, 1);
  t->EndingTick = 149;
  Tick(t);
  EXPECT_EQ(t->StageNo, 1);
  Tick(t);
  EXPECT_EQ(t->StageNo, 2);
  t->EndingTick = 1350;
  Tick(t);
  EXPECT_EQ(t->StageNo, 10);
  Tile before[23][21];
  for (int c = 0; c <= 22; ++c) std::copy(t->MapData[c], t->MapData[c] + 21, before[c]);
  t->EndingTick = 1500;
  Tick(t);
  EXPECT_EQ(t->StageNo, 1);
  bool differs = false;
  for (int c = 0; c <= 22; ++c) differs |= !std::equal(before[c], before[c] + 21, t->MapData[c]);
  EXPECT_TRUE(differs);
}

TEST(Ending, EveryDemonstrationStartsFromACleanGridWithGroundedEnemies) {
  TestGame t;
  StartTheEnding(t);
  t->MapData[40][40] = Tile::Wall;
  t->MapData[30][5] = Tile::Ladder;
  for (int i = 0; i < kEnemySlots; ++i) t->EnemyJumping[i] = 1;
  t->EndingTick = 0;
  Tick(t);
  EXPECT_EQ(t->MapData[40][40], Tile::Empty);
  EXPECT_EQ(t->MapData[30][5], Tile::Empty);
  // The slots of this stage's enemies have moved once already; the others
  // show what the build left.
  for (int i = t->EnemyCount; i < kEnemySlots; ++i)
    EXPECT_EQ(t->EnemyJumping[i], 0) << "slot " << i;
}

TEST(Ending, TheEnemiesMoveAndOnesFarBelowAreLeftAlone) {
  TestGame t;
  StartTheEnding(t);
  t->EndingTick = 0;
  Tick(t);
  ASSERT_GE(t->EnemyCount, 2);
  const i32 x1 = t->EnemyX[1], y1 = t->EnemyY[1];
  t->EnemyY[0] = 961;
  const i32 x0 = t->EnemyX[0];
  Tick(t, 20);
  EXPECT_TRUE(t->EnemyX[1] != x1 || t->EnemyY[1] != y1);
  EXPECT_EQ(t->EnemyX[0], x0);
  EXPECT_EQ(t->EnemyY[0], 961);
}

TEST(Ending, EnterHeldWhenTheEndingStartsLeavesOnTheFirstTick) {
  TestGame t;
  Dispatch(*t, Event::KeyDown(vk::Enter));
  StartTheEnding(t);
  Tick(t);
  EXPECT_FALSE(t->EndingTimer.Enabled);
  EXPECT_TRUE(t->TitleTimer.Enabled);
  EXPECT_EQ(t->EndingTick, 0);
  EXPECT_EQ(t.screen.Count, 1);
  EXPECT_EQ(t.music.Calls, (std::vector<std::string>{"Open ending.mid", "Play", "Stop", "Close",
                                                      "Open Title.mid", "Play"}));
}

TEST(Ending, EnterLeavesDuringTheDemonstrationToo) {
  TestGame t;
  StartTheEnding(t);
  Tick(t, 200);
  EXPECT_TRUE(t->EndingTimer.Enabled);
  Dispatch(*t, Event::KeyDown(vk::Enter));
  Tick(t);
  EXPECT_FALSE(t->EndingTimer.Enabled);
  EXPECT_TRUE(t->TitleTimer.Enabled);
}

TEST(Ending, TheSpeedKeysLeaveItsPaceAlone) {
  TestGame t;
  StartTheEnding(t);
  Dispatch(*t, Event::KeyDown('A'));
  Dispatch(*t, Event::KeyDown('S'));
  Dispatch(*t, Event::KeyDown('S'));
  EXPECT_EQ(t->EndingTimer.Interval, 50);
  EXPECT_EQ(t->Timer1.Interval, 40);
}
