#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <set>

#include "stages/BuildDuoStage.h"
#include "stages/BuildStage.h"
#include "stages/BuildStage1.h"
#include "stages/BuildStage10.h"
#include "stages/BuildStage2.h"
#include "stages/BuildStage3.h"
#include "stages/BuildStage4.h"
#include "stages/BuildStage5.h"
#include "stages/BuildStage6.h"
#include "stages/BuildStage7.h"
#include "stages/BuildStage8.h"
#include "stages/BuildStage9.h"
#include "stages/StageTestSupport.h"

namespace {

using namespace stagetest;
using Builder = void (*)(Game&);

struct NamedBuilder {
  const char* Name;
  Builder Build;
  ::PlayMode PlayMode;
  i32 StageNo;
};

const NamedBuilder kBuilders[] = {
    {"Stage1", BuildStage1, PlayMode::OnePlayer, 1},   {"Stage2", BuildStage2, PlayMode::OnePlayer, 2},
    {"Stage3", BuildStage3, PlayMode::OnePlayer, 3},   {"Stage4", BuildStage4, PlayMode::OnePlayer, 4},
    {"Stage5", BuildStage5, PlayMode::OnePlayer, 5},   {"Stage6", BuildStage6, PlayMode::OnePlayer, 6},
    {"Stage7", BuildStage7, PlayMode::OnePlayer, 7},   {"Stage8", BuildStage8, PlayMode::OnePlayer, 8},
    {"Stage9", BuildStage9, PlayMode::OnePlayer, 9},   {"Stage10", BuildStage10, PlayMode::OnePlayer, 10},
    {"Duo", BuildDuoStage, PlayMode::TwoPlayer, 1},
};

void PrintTo(const NamedBuilder& b, std::ostream* os) { *os << b.Name; }

class EveryBuilder : public testing::TestWithParam<NamedBuilder> {};

TEST_P(EveryBuilder, KeepsToTheTileCodesAndTheTableLimits) {
  const std::set<Tile> tiles{Tile::Empty,       Tile::Wall,         Tile::Ladder,     Tile::Spikes,
                              Tile::Item,        Tile::RisingSlope,  Tile::FallingSlope, Tile::RisingFork,
                              Tile::FallingFork, Tile::ShaftTop,     Tile::ShaftBottom};
  ForManySeeds(GetParam().Build, [&](const Game& g) {
    for (int c = 0; c <= 22; ++c)
      for (int r = 0; r <= 19; ++r) ASSERT_TRUE(tiles.count(g.MapData[c][r])) << c << "," << r;
    for (int c = 0; c < kGridSize; ++c)
      for (int r = 20; r < kGridSize; ++r) ASSERT_EQ(g.MapData[c][r], Tile::Empty) << c << "," << r;
    for (int c = 24; c < kGridSize; ++c)
      for (int r = 0; r < 20; ++r) ASSERT_EQ(g.MapData[c][r], Tile::Empty) << c << "," << r;
    ASSERT_LE(CountCells(g, Tile::Item), kItemLimit);
    ASSERT_GE(g.EnemyCount, 1);
    ASSERT_LE(g.EnemyCount, 50);
    for (i32 i = 0; i < g.EnemyCount; ++i) {
      ASSERT_GE(g.EnemyKind[i], EnemyKind::Chaser);
      ASSERT_LE(g.EnemyKind[i], EnemyKind::Wanderer);
    }
    ASSERT_GE(g.Player.X, 0);
    ASSERT_LE(g.Player.X, 528);
    ASSERT_GE(g.Player.Y, 0);
    ASSERT_LE(g.Player.Y, 456);
  });
}

// Whatever an earlier stage left behind, the same generator state gives the
// same stage, and no enemy starts in mid-arc.
TEST_P(EveryBuilder, StartsFromACleanSlate) {
  const NamedBuilder& b = GetParam();
  auto fresh = std::make_unique<Game>();
  auto used = std::make_unique<Game>();
  for (int k = 0; k < 50; ++k) {
    for (auto& column : used->MapData)
      for (Tile& cell : column) cell = Tile::Item;
    for (i32 i = 0; i < kEnemySlots; ++i) {
      used->EnemyJumping[i] = 1;
      used->EnemyJumpTick[i] = 7;
      used->EnemyJumpDX[i] = 4;
      used->EnemyJumpX[i] = 100;
      used->EnemyJumpY[i] = 200;
    }
    used->EnemyCount = 50;
    used->LiftCount = 40;
    used->PlayMode = b.PlayMode;
    used->StageNo = b.StageNo;
    fresh->RandomSeed = used->RandomSeed = SeedNo(k);
    b.Build(*fresh);
    BuildStage(*used);
    for (int c = 0; c < kGridSize; ++c)
      for (int r = 0; r < kGridSize; ++r) ASSERT_EQ(used->MapData[c][r], fresh->MapData[c][r]);
    ASSERT_EQ(used->RandomSeed, fresh->RandomSeed);
    ASSERT_EQ(used->EnemyCount, fresh->EnemyCount);
    ASSERT_EQ(used->LiftCount, fresh->LiftCount);
    for (i32 i = 0; i < kEnemySlots; ++i) {
      ASSERT_EQ(used->EnemyJumping[i], 0);
      ASSERT_EQ(used->EnemyJumpTick[i], 0);
      ASSERT_EQ(used->EnemyJumpDX[i], 0);
      ASSERT_EQ(used->EnemyJumpX[i], 0);
      ASSERT_EQ(used->EnemyJumpY[i], 0);
    }
    for (i32 i = 0; i < fresh->EnemyCount; ++i) {
      ASSERT_EQ(used->EnemyX[i], fresh->EnemyX[i]);
      ASSERT_EQ(used->EnemyY[i], fresh->EnemyY[i]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Stages, EveryBuilder, testing::ValuesIn(kBuilders),
                         [](const testing::TestParamInfo<NamedBuilder>& info) { return info.param.Name; });

void ExpectBouncerOnFreeCell(const Game& g, i32 i, i32 lastRow) {
  EXPECT_EQ(g.EnemyKind[i], EnemyKind::Bouncer);
  EXPECT_EQ(g.EnemyX[i] % 24, 0);
  EXPECT_EQ(g.EnemyY[i] % 24, 0);
  const i32 c = g.EnemyX[i] / 24;
  const i32 r = g.EnemyY[i] / 24;
  EXPECT_GE(c, 1);
  EXPECT_LE(c, 21);
  EXPECT_GE(r, 1);
  EXPECT_LE(r, lastRow);
  EXPECT_EQ(g.MapData[c][r], Tile::Empty);
  EXPECT_EQ(std::abs(g.EnemyDX[i]), 1);
  EXPECT_EQ(std::abs(g.EnemyDY[i]), 1);
}

TEST(Stage1, SevenPlatformsOverAFloor) {
  ForManySeeds(BuildStage1, [](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    ASSERT_LE(CountCells(g, Tile::Item), 6);
    ASSERT_EQ(g.EnemyCount, 3);
    EXPECT_EQ(g.EnemyKind[0], EnemyKind::Wanderer);
    EXPECT_EQ(g.EnemyX[0], 264);
    EXPECT_EQ(g.EnemyY[0], 24);
    ExpectBouncerOnFreeCell(g, 1, 10);
    ExpectBouncerOnFreeCell(g, 2, 10);
    EXPECT_EQ(g.LiftCount, 0);
    EXPECT_EQ(g.Player.X, 264);
    EXPECT_EQ(g.Player.Y, 432);
  });
}

TEST(Stage2, AlwaysEightItems) {
  ForManySeeds(BuildStage2, [](const Game& g) {
    ASSERT_EQ(CountCells(g, Tile::Item), 8);
    ASSERT_TRUE(RowIs(g, 1, Tile::Ladder));
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    for (int r = 1; r <= 18; ++r) ASSERT_EQ(g.MapData[11][r], Tile::Ladder);
    ASSERT_EQ(g.EnemyCount, 5);
    for (i32 i = 0; i < 5; ++i) ExpectBouncerOnFreeCell(g, i, 10);
  });
}

// Each lower floor reaches two columns past an end of the floor above, so a
// walker stepping off that end lands on it.
TEST(Stage2, EachFloorReachesPastAnEndOfTheOneAbove) {
  ForManySeeds(BuildStage2, [](const Game& g) {
    for (int left : {0, 13}) {
      int aboveLo = 0, aboveHi = 0;
      for (int row : {4, 8, 12, 16}) {
        int lo = 99, hi = -1;
        for (int c = 0; c <= 9; ++c)
          if (g.MapData[left + c][row] == Tile::Wall) {
            lo = std::min(lo, c);
            hi = std::max(hi, c);
          }
        ASSERT_GE(hi, lo);
        ASSERT_LE(hi - lo + 1, 7);
        for (int c = lo; c <= hi; ++c) ASSERT_EQ(g.MapData[left + c][row], Tile::Wall);
        if (row > 4) {
          const bool left2 = lo <= aboveLo - 2 && aboveLo - 2 <= hi;
          const bool right2 = lo <= aboveHi + 2 && aboveHi + 2 <= hi;
          ASSERT_TRUE(left2 || right2) << row;
        }
        aboveLo = lo;
        aboveHi = hi;
      }
    }
  });
}

TEST(Stage3, LaddersLoseAtMostOneRungAndEachHasAnItemBeside) {
  const int ladders[5] = {0, 5, 11, 17, 22};
  ForManySeeds(BuildStage3, [&](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    for (int column : ladders) {
      int gaps = 0;
      for (int r = 1; r <= 18; ++r) gaps += g.MapData[column][r] != Tile::Ladder;
      ASSERT_LE(gaps, 1) << column;
    }
    ASSERT_GE(CountCells(g, Tile::Item), 5);
    ASSERT_EQ(g.EnemyCount, 2);
    EXPECT_EQ(g.EnemyKind[0], EnemyKind::Chaser);
    EXPECT_EQ(g.EnemyKind[1], EnemyKind::Climber);
  });
}

TEST(Stage4, LiftsRestOnTheGroundUnderTheirShaftTop) {
  ForManySeeds(BuildStage4, [](const Game& g) {
    ASSERT_GE(g.LiftCount, 2);
    for (i32 i = 0; i < g.LiftCount; ++i) {
      const i32 c = g.LiftX[i] / 24;
      const i32 r = g.LiftY[i] / 24;
      ASSERT_GE(c, 1);
      ASSERT_LE(c, 21);
      ASSERT_EQ(g.MapData[c][r], Tile::ShaftBottom);
      const bool upperBand = r <= 10;
      ASSERT_GE(r, upperBand ? 5 : 14);
      ASSERT_EQ(g.MapData[c][upperBand ? 4 : 13], Tile::ShaftTop);
      ASSERT_EQ(g.LiftDir[i], -1);
      ASSERT_EQ(g.LiftMoving[i], 0);
      ASSERT_EQ(g.LiftSeen[i], 0);
    }
    ASSERT_EQ(CountCells(g, Tile::Item), 6);
    ASSERT_EQ(g.EnemyCount, 4);
    for (i32 i = 0; i < 4; ++i) {
      EXPECT_EQ(g.EnemyKind[i], EnemyKind::SlopeWalker);
      EXPECT_NE(g.MapData[g.EnemyX[i] / 24][g.EnemyY[i] / 24 + 1], Tile::Empty);
    }
    EXPECT_EQ(g.EnemyDX[0], 1);
    EXPECT_EQ(g.EnemyDX[1], -1);
  });
}

TEST(Stage5, EightItemsAndTwoSeparateLaddersPerFloor) {
  ForManySeeds(BuildStage5, [](const Game& g) {
    ASSERT_EQ(CountCells(g, Tile::Item), 8);
    ASSERT_TRUE(RowIs(g, 1, Tile::Wall));
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    for (int k = 0; k < 8; ++k) {
      int first = -1, count = 0, last = -1;
      for (int c = 0; c <= 22; ++c) {
        if (g.MapData[c][3 + 2 * k] != Tile::Ladder) continue;
        if (first < 0) first = c;
        last = c;
        ++count;
      }
      ASSERT_EQ(count, 2);
      ASSERT_GE(last - first, 2);
    }
    ASSERT_EQ(g.EnemyCount, 5);
    for (i32 i = 0; i < 5; ++i) {
      EXPECT_EQ(g.EnemyKind[i], EnemyKind::Climber);
      EXPECT_EQ(std::abs(g.EnemyDX[i]), 4);
      EXPECT_EQ(g.EnemyY[i] / 24 % 2, 0);
      EXPECT_GE(g.EnemyY[i], 48);
      EXPECT_LE(g.EnemyY[i], 384);
    }
  });
}

TEST(Stage6, SixItemsAndOneTwoCellHolePerFloor) {
  ForManySeeds(BuildStage6, [](const Game& g) {
    ASSERT_EQ(CountCells(g, Tile::Item), 6);
    for (int level = 0; level < 3; ++level) {
      const int floor = 5 * level + 3;
      for (int half = 0; half < 2; ++half) {
        int holes = 0, first = -1;
        for (int c = 11 * half + 1; c <= 11 * half + 10; ++c)
          if (g.MapData[c][floor] == Tile::Empty) {
            if (first < 0) first = c;
            ++holes;
          }
        ASSERT_EQ(holes, 2);
        ASSERT_EQ(g.MapData[first + 1][floor], Tile::Empty);
      }
    }
    for (int r = 0; r <= 18; ++r) {
      ASSERT_EQ(g.MapData[0][r], Tile::Empty);
      ASSERT_EQ(g.MapData[22][r], Tile::Empty);
    }
  });
}

TEST(Stage7, RoomsOverSpikesWithBouncersFarFromTheStart) {
  ForManySeeds(BuildStage7, [](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Spikes));
    ASSERT_GE(CountCells(g, Tile::Item), 1);
    bool ladderDown = false;  // the lowest room's ladder reaches row 18
    for (int c = 0; c <= 22; ++c) ladderDown = ladderDown || g.MapData[c][18] == Tile::Ladder;
    ASSERT_TRUE(ladderDown);
    ASSERT_EQ(g.EnemyCount, 3);
    EXPECT_EQ(g.EnemyKind[0], EnemyKind::Chaser);
    for (i32 i = 1; i < 3; ++i) {
      ExpectBouncerOnFreeCell(g, i, 17);
      EXPECT_GE(std::abs(g.EnemyX[i] / 24 - 11) + std::abs(g.EnemyY[i] / 24 - 9), 7);
    }
    EXPECT_EQ(g.Player.X, 264);
    EXPECT_EQ(g.Player.Y, 216);
  });
}

TEST(Stage8, SixSlopeWalkersStandingOnGround) {
  ForManySeeds(BuildStage8, [](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    for (int row : {2, 7, 13})
      for (int c = 0; c <= 22; ++c)
        ASSERT_TRUE(g.MapData[c][row] == Tile::Wall || g.MapData[c][row] == Tile::Ladder);
    ASSERT_EQ(g.EnemyCount, 6);
    for (i32 i = 0; i < 6; ++i) {
      EXPECT_EQ(g.EnemyKind[i], EnemyKind::SlopeWalker);
      const Tile under = g.MapData[g.EnemyX[i] / 24][g.EnemyY[i] / 24 + 1];
      EXPECT_TRUE(under != Tile::Empty && under != Tile::Item);
      EXPECT_EQ(g.EnemyDX[i], i % 2 == 0 ? 1 : -1);
    }
    ASSERT_GE(CountCells(g, Tile::RisingFork) + CountCells(g, Tile::FallingFork), 1);
  });
}

TEST(Stage9, ThreeLiftsUnderTheLadderRow) {
  ForManySeeds(BuildStage9, [](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Spikes));
    ASSERT_EQ(g.LiftCount, 3);
    for (i32 i = 0; i < 3; ++i) {
      const i32 c = g.LiftX[i] / 24;
      ASSERT_GE(c, 8 * i);
      ASSERT_LE(c, 8 * i + 7);
      ASSERT_EQ(g.MapData[c][g.LiftY[i] / 24], Tile::ShaftBottom);
      ASSERT_EQ(g.MapData[c][2], Tile::ShaftTop);
      ASSERT_LT(g.LiftY[i] / 24, 18);
    }
    ASSERT_GE(CountCells(g, Tile::Item), 2);  // the third's item may lie in column 23
    ASSERT_EQ(g.EnemyCount, 5);
  });
}

TEST(Stage10, TheBorderStaysSolid) {
  ForManySeeds(BuildStage10, [](const Game& g) {
    for (int c = 0; c <= 22; ++c) {
      ASSERT_EQ(g.MapData[c][0], Tile::Wall);
      ASSERT_EQ(g.MapData[c][19], Tile::Wall);
    }
    for (int r = 0; r <= 19; ++r) {
      ASSERT_EQ(g.MapData[0][r], Tile::Wall);
      ASSERT_EQ(g.MapData[22][r], Tile::Wall);
    }
    ASSERT_NE(g.MapData[11][10], Tile::Wall);
    ASSERT_LE(g.EnemyCount, 5);
    for (i32 i = 0; i < g.EnemyCount; ++i) {
      EXPECT_EQ(g.EnemyKind[i], EnemyKind::Climber);
      EXPECT_EQ(std::abs(g.EnemyDX[i]) + std::abs(g.EnemyDY[i]), 4);
    }
  });
}

TEST(DuoStage, NoSpikesUnderItemsAndNoLifts) {
  ForManySeeds(BuildDuoStage, [](const Game& g) {
    ASSERT_TRUE(RowIs(g, 19, Tile::Wall));
    for (int c = 0; c <= 22; ++c)
      for (int r = 1; r <= 18; ++r)
        if (g.MapData[c][r] == Tile::Spikes) {
          ASSERT_NE(g.MapData[c][r - 1], Tile::Item);
        }
    ASSERT_GE(CountCells(g, Tile::Spikes), 1);
    ASSERT_LE(CountCells(g, Tile::Item), 6);
    ASSERT_EQ(g.EnemyCount, 3);
    ASSERT_EQ(g.LiftCount, 0);
  });
}

}  // namespace
