#include <gtest/gtest.h>

#include <random>

#include "game/KeyedPlayFixture.h"
#include "stages/StartStage.h"

using playtest::KeyedPlayFixture;

namespace {

constexpr int kFramesPerStage = 2000;

// Everything the frame step keeps within bounds, whatever the input.
void ExpectInRange(const Game& g, int stage, int frame) {
  SCOPED_TRACE("stage " + std::to_string(stage) + " frame " + std::to_string(frame));
  ASSERT_GE(g.ItemCount, 0);
  ASSERT_LE(g.ItemCount, kItemLimit);
  ASSERT_LE(g.ItemsLeft, g.ItemCount);
  ASSERT_GE(g.ItemsLeft, kClearJumpLaunched);
  ASSERT_GE(g.RevealCount, 0);
  ASSERT_LE(g.RevealCount, kRevealSlots);
  ASSERT_LE(g.EnemyCount, kEnemySlots - 1);
  ASSERT_LE(g.LiftCount, kLiftSlots);
  if (g.Player.State == kInPlay) {
    ASSERT_GE(g.Player.X, 0);
    ASSERT_LE(g.Player.X, 528);
  }
  for (int i = 0; i < g.EnemyCount; ++i) {
    if (g.EnemyY[i] > 960) continue;
    const int slack = g.EnemyKind[i] == EnemyKind::Bouncer ? 4 : 0;  // a stuck bouncer jitters
    ASSERT_GE(g.EnemyX[i], -slack) << "enemy " << i;
    ASSERT_LE(g.EnemyX[i], 528 + slack) << "enemy " << i;
  }
  for (int i = 0; i < g.LiftCount; ++i) {
    ASSERT_GE(g.LiftY[i], 0) << "lift " << i;
    ASSERT_LE(g.LiftY[i], 480) << "lift " << i;
  }
}

// After a clear or a game over the same stage starts again.
void StartAgain(Game& g) {
  g.ClearTimer.SetEnabled(false);
  g.Timer2.SetEnabled(false);
  g.Lives = 3;
  StartStage(g);
  g.Timer1.SetEnabled(true);
}

}  // namespace

TEST(RandomRun, EveryStageStaysInRangeUnderRandomInput) {
  const int keys[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space};
  for (int stage = 1; stage <= 10; ++stage) {
    KeyedPlayFixture f;
    f->RandomSeed = 1000u + static_cast<std::uint32_t>(stage);
    f->StageNo = stage;
    StartAgain(*f);
    std::mt19937 input(static_cast<std::uint32_t>(stage));
    for (int frame = 0; frame < kFramesPerStage; ++frame) {
      if (frame % 6 == 0) {
        for (int key : keys) {
          if (input() % 3 == 0) {
            f.Press(key);
          } else {
            f.Release(key);
          }
        }
      }
      if (input() % 700 == 0) f.Press('R');
      f.Tick();
      ExpectInRange(*f, stage, frame);
      if (::testing::Test::HasFatalFailure()) return;
      if (!f->Timer1.Enabled) StartAgain(*f);
    }
  }
}
