#include <gtest/gtest.h>

#include "play/PlayFixture.h"
#include "state/Random.h"

using playtest::PlayFixture;
using playtest::SheetColor;

namespace {

// A generator state whose next draws from the given ranges match want
// (-1 matches anything).
std::uint32_t SeedGiving(const std::vector<i32>& ranges, const std::vector<i32>& want) {
  for (std::uint32_t s = 1;; ++s) {
    std::uint32_t seed = s;
    bool ok = true;
    for (std::size_t k = 0; k < ranges.size() && ok; ++k) {
      const i32 v = NextRandom(seed, ranges[k]);
      ok = want[k] < 0 || v == want[k];
    }
    if (ok) return s;
  }
}

// A floor; a rising fork ramp in column 6 on it; the slope walker comes to
// the foot of the ramp at x 124.
struct SlopeWalker : ::testing::Test {
  void Start(i32 dx, std::uint32_t seed) {
    f.Floor();
    f->MapData[6][18] = Tile::RisingFork;
    f.PlaceEnemy(EnemyKind::SlopeWalker, 124, 432, dx, 0);
    f.Begin(24, 24);
    f->Player.OnLift = 1;
    f->RandomSeed = seed;
  }
  PlayFixture f;
};

}  // namespace

TEST_F(SlopeWalker, AtAForkTakesTheRampOnAZeroDraw) {
  Start(1, SeedGiving({2}, {0}));
  f.Tick();
  EXPECT_EQ(f->EnemyDY[0], -13);
  EXPECT_EQ(f->EnemyX[0], 126);
  EXPECT_EQ(f->EnemyY[0], 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 128);
  EXPECT_EQ(f->EnemyY[0], 430);
  EXPECT_EQ(f->EnemyDY[0], -12);
  // Going up a ramp rising to the right.
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 128, 430), SheetColor(1, 192, 224));
}

TEST_F(SlopeWalker, AtAForkWalksPastOnAOneDraw) {
  Start(1, SeedGiving({2}, {1}));
  f.Tick();
  EXPECT_EQ(f->EnemyDY[0], 7);
  EXPECT_EQ(f->EnemyX[0], 128);
  EXPECT_EQ(f->EnemyY[0], 432);
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 128, 432), SheetColor(1, 128, 224));
  f.Tick();
  EXPECT_EQ(f->EnemyDY[0], 6);
  EXPECT_EQ(f->EnemyX[0], 132);
}

TEST_F(SlopeWalker, HeadingDownAtTheRampsRowItWalksPastWhateverTheDraw) {
  for (i32 draw = 0; draw < 2; ++draw) {
    PlayFixture fresh;
    f.game.swap(fresh.game);
    Start(-1, SeedGiving({2}, {draw}));
    const std::uint32_t before = f->RandomSeed;
    f.Tick();
    std::uint32_t oneDraw = before;
    NextRandom(oneDraw, 2);
    EXPECT_EQ(f->RandomSeed, oneDraw);
    EXPECT_EQ(f->EnemyDY[0], 7);
    EXPECT_EQ(f->EnemyX[0], 120);
    f.game.swap(fresh.game);
  }
}

TEST(SlopeWalkerEdge, TurnsAtAnEdgeButNotAtAWall) {
  PlayFixture f;
  f.Draw(19, {"######"});
  f->MapData[2][18] = Tile::Wall;
  f.PlaceEnemy(EnemyKind::SlopeWalker, 116, 432, 1, 0);
  f.PlaceEnemy(EnemyKind::SlopeWalker, 76, 432, -1, 0);
  f.Begin(480, 24);
  f->Player.OnLift = 1;
  f.Tick(2);
  EXPECT_EQ(f->EnemyX[0], 120);
  EXPECT_EQ(f->EnemyDX[0], -1);
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 120, 432), SheetColor(1, 96, 224));
  EXPECT_EQ(f->EnemyX[1], 68);  // walks into the wall cell of column 2
  EXPECT_EQ(f->EnemyDX[1], -1);
}

TEST(Climber, TurnsAtTheEdgeOfItsPlatform) {
  PlayFixture f;
  f.Draw(19, {"######"});
  f.PlaceEnemy(EnemyKind::Climber, 96, 432, 4, 0);
  f.Begin(480, 24);
  f->Player.OnLift = 1;
  f.Tick(6);
  EXPECT_EQ(f->EnemyX[0], 120);
  EXPECT_EQ(f->EnemyDX[0], 4);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 120);
  EXPECT_EQ(f->EnemyDX[0], -4);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 116);
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 116, 432), SheetColor(1, 0, 192));
}

TEST(Climber, AtALadderFootItDrawsWhichWayToGo) {
  PlayFixture f;
  f.Floor();
  for (int r = 10; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f.PlaceEnemy(EnemyKind::Climber, 240, 432, 4, 0);
  f.Begin(24, 24);
  f->Player.OnLift = 1;
  f->RandomSeed = SeedGiving({3}, {0});
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240);
  EXPECT_EQ(f->EnemyY[0], 428);
  EXPECT_EQ(f->EnemyDX[0], 0);
  EXPECT_EQ(f->EnemyDY[0], -4);
  f.Tick(3);
  EXPECT_EQ(f->EnemyY[0], 416);
}

TEST(Wanderer, KeepsClimbingWithoutDrawingBetweenRows) {
  PlayFixture f;
  f.Floor();
  for (int r = 10; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f.PlaceEnemy(EnemyKind::Wanderer, 240, 400, 0, -4);
  f.Begin(24, 432);
  const std::uint32_t before = f->RandomSeed;
  f.Tick();
  EXPECT_EQ(f->RandomSeed, before);
  EXPECT_EQ(f->EnemyY[0], 396);
  EXPECT_EQ(f->EnemyDY[0], -4);
}

TEST(Wanderer, StepsOffALadderOntoTheFloorBeside) {
  PlayFixture f;
  f.Floor();
  for (int r = 10; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f.PlaceEnemy(EnemyKind::Wanderer, 240, 432, 0, 0);
  f.Begin(24, 24);
  f->Player.OnLift = 1;
  // Look-down draw, stay-or-step draw 0 (step), then the side.
  f->RandomSeed = SeedGiving({2, 2, 2}, {-1, 0, -1});
  const i32 d = f.NextDraws({2, 2, 2})[2] * 8 - 4;
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240 + d);
  EXPECT_EQ(f->EnemyDX[0], d);
  EXPECT_EQ(f->EnemyDY[0], 0);
}

TEST(Wanderer, OffALadderItPicksARandomDirectionWhenStanding) {
  PlayFixture f;
  f.Floor();
  f.PlaceEnemy(EnemyKind::Wanderer, 240, 432, 0, 0);
  f.Begin(24, 24);
  f->Player.OnLift = 1;
  const std::vector<i32> draws = f.NextDraws({2, 2});
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240);
  EXPECT_EQ(f->EnemyDX[0], draws[1] * 8 - 4);
}

TEST(Wanderer, ClimbingIntoAnotherEnemyLevelWithItStepsAsideAndForgetsTheClimb) {
  PlayFixture f;
  f.Floor();
  for (int r = 5; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f.PlaceEnemy(EnemyKind::Wanderer, 240, 244, 0, 4);
  f.PlaceEnemy(EnemyKind::Chaser, 240, 244, 0, 0);
  f.Begin(24, 24);
  f->Player.OnLift = 1;
  // Level with the other enemy the climb is turned into no vertical step,
  // so the only draw is the sideways step.
  const i32 d = f.NextDraws({2})[0] * 8 - 4;
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240 + d);
  EXPECT_EQ(f->EnemyY[0], 244);
  EXPECT_EQ(f->EnemyDY[0], 0);
}

TEST(EnemyKind, UnknownKindsMoveAsTheChaser) {
  PlayFixture f;
  f.Floor();
  f.PlaceEnemy(static_cast<EnemyKind>(7), 240, 432, 0, 0);  // codes no kind has
  f.PlaceEnemy(static_cast<EnemyKind>(-1), 480, 432, 0, 0);
  f.Begin(24, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyDX[0], -4);
  EXPECT_EQ(f->EnemyDX[1], -4);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 236);
  EXPECT_EQ(f->EnemyX[1], 476);
}
