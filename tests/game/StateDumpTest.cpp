#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "game/StateDump.h"
#include "state/Game.h"

namespace {

std::vector<std::string> DumpLines(const Game& g, std::int64_t time = 0) {
  std::ostringstream out;
  DumpState(g, time, out);
  std::istringstream in(out.str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(StateDump, StartsWithTheProgressInAFixedOrder) {
  auto g = std::make_unique<Game>();
  g->RandomSeed = 4294967295u;
  g->Lives = -2;
  const auto lines = DumpLines(*g);
  const std::vector<std::string> names = {"RandomSeed", "PlayMode", "StageNo", "Lives", "Score", "HiScore",
                                          "ContinueCount", "MissFlag", "Paused", "PlayerX", "PlayerY",
                                          "PlayerState", "Jumping", "OnLift", "StartX", "StartY",
                                          "ItemCount", "ItemsLeft", "RevealCount", "EnemyCount", "LiftCount",
                                          "TitleCount", "EndingTick", "DuoX0", "DuoY0", "DuoState0",
                                          "DuoItemsLeft0", "DuoX1", "DuoY1", "DuoState1", "DuoItemsLeft1"};
  ASSERT_GE(lines.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(lines[i].substr(0, lines[i].find(' ')), names[i]);
  EXPECT_EQ(lines[0], "RandomSeed 4294967295");
  EXPECT_EQ(lines[3], "Lives -2");
}

TEST(StateDump, ListsTimersAndVirtualTime) {
  auto g = std::make_unique<Game>();
  SetUpGame(*g, 0);
  g->Timer1.SetEnabled(true);
  g->Timer1.SetInterval(70);
  const auto lines = DumpLines(*g, 1234);
  EXPECT_TRUE(Has(lines, "TitleTimer on 100"));
  EXPECT_TRUE(Has(lines, "Timer1 on 70"));
  EXPECT_TRUE(Has(lines, "Timer2 off 100"));
  EXPECT_TRUE(Has(lines, "ClearTimer off 50"));
  EXPECT_TRUE(Has(lines, "EndingTimer off 50"));
  EXPECT_TRUE(Has(lines, "VirtualTime 1234"));
}

TEST(StateDump, OneLinePerEnemyLiftAndItemInUse) {
  auto g = std::make_unique<Game>();
  g->EnemyCount = 2;
  g->EnemyKind[1] = EnemyKind::SlopeWalker;
  g->EnemyX[1] = 48;
  g->EnemyY[1] = 72;
  g->EnemyDX[1] = -4;
  g->EnemyDY[1] = 0;
  g->EnemyJumping[1] = 1;
  g->EnemyKind[2] = EnemyKind::Wanderer;  // beyond EnemyCount: not listed
  g->LiftCount = 1;
  g->LiftX[0] = 24;
  g->LiftY[0] = 96;
  g->LiftDir[0] = -1;
  g->LiftMoving[0] = 1;
  g->LiftSeen[0] = 1;
  g->ItemCount = 1;
  g->ItemX[0] = 120;
  g->ItemY[0] = 144;
  g->ItemPhase[0] = 1;
  const auto lines = DumpLines(*g);
  EXPECT_TRUE(Has(lines, "enemy 1 3 48 72 -4 0 1"));
  EXPECT_TRUE(Has(lines, "lift 0 24 96 -1 1 1"));
  EXPECT_TRUE(Has(lines, "item 0 120 144 1"));
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("enemy ", 0) == 0; }),
            2);
  EXPECT_FALSE(Has(lines, "lift 1 0 0 0 0 0"));
}

TEST(StateDump, CountsBeyondTheTablesAreClipped) {
  auto g = std::make_unique<Game>();
  g->EnemyCount = 1000;
  g->ItemCount = -3;
  const auto lines = DumpLines(*g);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("enemy ", 0) == 0; }),
            kEnemySlots);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("item ", 0) == 0; }),
            0);
}

TEST(StateDump, EndsWithTheMusicAndTwentyMapRows) {
  auto g = std::make_unique<Game>();
  g->MapData[0][0] = Tile::Wall;
  g->MapData[22][19] = Tile::Ladder;
  g->MapData[5][3] = Tile::Item;
  g->MapData[23][0] = Tile::Wall;  // column 23 is not shown
  g->MusicPlayer.SetFileName("BGM3.mid");
  const auto lines = DumpLines(*g);
  ASSERT_GE(lines.size(), 22u);
  const std::size_t map = lines.size() - 21;
  EXPECT_EQ(lines[map - 1], "Music BGM3.mid closed");
  EXPECT_EQ(lines[map], "map");
  EXPECT_EQ(lines[map + 1], "#......................");
  EXPECT_EQ(lines[map + 4], ".....*.................");
  EXPECT_EQ(lines[map + 20], "......................H");
}
