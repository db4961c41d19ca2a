#include "SoakChecks.h"

#include <sstream>

#include "state/Game.h"

namespace {

constexpr int kRightmostX = 528;  // a 24-pixel box flush with the field's right edge
constexpr int kLowestY = 480;
constexpr int kHighestY = -24;   // the top of a jump taken on the top row
constexpr int kGoneBelow = 960;   // enemies parked below the field are out of play
constexpr int kTallyEnd = -50;    // the tally hands over at this count

class Checker {
 public:
  // Records what is wrong unless ok; only the first failure is kept.
  Checker& Expect(bool ok, const std::string& what) {
    if (!ok && first_.empty()) first_ = what;
    return *this;
  }
  bool Failed() const { return !first_.empty(); }
  std::string First() const { return first_; }

 private:
  std::string first_;
};

std::string Named(const char* name, int index, int value) {
  std::ostringstream s;
  s << name << '[' << index << "] = " << value;
  return s.str();
}

std::string Named(const char* name, int value) {
  std::ostringstream s;
  s << name << " = " << value;
  return s.str();
}

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

void CheckTimers(const Game& g, Checker& c) {
  const int enabled = g.TitleTimer.Enabled + g.Timer1.Enabled + g.Timer2.Enabled + g.ClearTimer.Enabled +
                      g.EndingTimer.Enabled;
  c.Expect(enabled == 1, Named("timers enabled", enabled));
  c.Expect(g.TitleTimer.Interval == 100, Named("TitleTimer.Interval", g.TitleTimer.Interval));
  c.Expect(g.Timer2.Interval == 100, Named("Timer2.Interval", g.Timer2.Interval));
  c.Expect(g.ClearTimer.Interval == 50, Named("ClearTimer.Interval", g.ClearTimer.Interval));
  c.Expect(g.EndingTimer.Interval == 50, Named("EndingTimer.Interval", g.EndingTimer.Interval));
  c.Expect(g.Timer1.Interval >= 0, Named("Timer1.Interval", g.Timer1.Interval));
  c.Expect(g.PlayMode == PlayMode::OnePlayer || g.PlayMode == PlayMode::TwoPlayer,
           Named("PlayMode", PlayModeCode(g.PlayMode)));
  c.Expect(!g.ClearTimer.Enabled || g.PlayMode == PlayMode::OnePlayer, "ClearTimer runs in a two-player game");
  c.Expect(!g.EndingTimer.Enabled || g.PlayMode == PlayMode::OnePlayer, "EndingTimer runs in a two-player game");
  c.Expect(Between(g.Paused, 0, 1), Named("Paused", g.Paused));
  c.Expect(!g.Paused || g.Timer1.Enabled, "paused while no frame timer runs");
}

void CheckProgress(const Game& g, Checker& c) {
  c.Expect(Between(g.StageNo, 0, 11), Named("StageNo", g.StageNo));
  c.Expect(!g.Timer1.Enabled || g.PlayMode == PlayMode::TwoPlayer || Between(g.StageNo, 1, 10),
           Named("StageNo in play", g.StageNo));
  c.Expect(g.Score >= 0, Named("Score", g.Score));
  c.Expect(g.HiScore >= 0, Named("HiScore", g.HiScore));
  c.Expect(g.ContinueCount >= 0, Named("ContinueCount", g.ContinueCount));
  c.Expect(Between(g.PracticeStage, 1, 10), Named("PracticeStage", g.PracticeStage));
}

void CheckCounts(const Game& g, Checker& c) {
  c.Expect(Between(g.ItemCount, 0, kItemLimit), Named("ItemCount", g.ItemCount));
  c.Expect(Between(g.ItemsLeft, kClearJumpLaunched, g.ItemCount), Named("ItemsLeft", g.ItemsLeft));
  // The clear tally counts RevealCount on below 0 to time its last steps;
  // the count stays there until the next stage starts.
  c.Expect(Between(g.RevealCount, kTallyEnd, kRevealSlots), Named("RevealCount", g.RevealCount));
  const bool soloInPlay = g.Timer1.Enabled && g.PlayMode == PlayMode::OnePlayer;
  c.Expect(!soloInPlay || g.RevealCount >= 0, Named("RevealCount in play", g.RevealCount));
  c.Expect(Between(g.EnemyCount, 0, kEnemySlots - 1), Named("EnemyCount", g.EnemyCount));
  c.Expect(Between(g.LiftCount, 0, kLiftSlots), Named("LiftCount", g.LiftCount));
  for (int i = 0; i < 2; ++i) {
    c.Expect(Between(g.DuoItemsLeft[i], 0, kItemLimit), Named("DuoItemsLeft", i, g.DuoItemsLeft[i]));
  }
}

bool KnownTile(Tile tile) {
  switch (tile) {
    case Tile::Empty: case Tile::Wall: case Tile::Ladder: case Tile::Spikes: case Tile::Item:
    case Tile::RisingSlope: case Tile::FallingSlope: case Tile::RisingFork: case Tile::FallingFork:
    case Tile::ShaftTop: case Tile::ShaftBottom:
      return true;
    default:
      return false;
  }
}

void CheckGrid(const Game& g, Checker& c) {
  for (int x = 0; x < kGridSize && !c.Failed(); ++x) {
    for (int y = 0; y < kGridSize; ++y) {
      if (!KnownTile(g.MapData[x][y])) {
        c.Expect(false, "MapData[" + std::to_string(x) + "][" + std::to_string(y) +
                            "] = " + std::to_string(TileCode(g.MapData[x][y])));
        break;
      }
    }
  }
}

// Only what moves on the field in play is held to the field.
void CheckPositions(const Game& g, Checker& c) {
  const bool soloInPlay = g.Timer1.Enabled && g.PlayMode == PlayMode::OnePlayer;
  if (soloInPlay && g.Player.State == kInPlay) {
    c.Expect(Between(g.Player.X, 0, kRightmostX), Named("PlayerX", g.Player.X));
    c.Expect(Between(g.Player.Y, kHighestY, kLowestY), Named("PlayerY", g.Player.Y));
  }
  if (g.Timer1.Enabled && g.PlayMode == PlayMode::TwoPlayer) {
    for (int i = 0; i < 2; ++i) {
      if (g.Duo[i].State != kInPlay) continue;
      c.Expect(Between(g.Duo[i].X, 0, kRightmostX), Named("DuoX", i, g.Duo[i].X));
      c.Expect(Between(g.Duo[i].Y, kHighestY, kLowestY), Named("DuoY", i, g.Duo[i].Y));
    }
  }
  if (!soloInPlay) return;
  for (int i = 0; i < g.EnemyCount; ++i) {
    if (g.EnemyY[i] > kGoneBelow) continue;
    const int slack = g.EnemyKind[i] == EnemyKind::Bouncer ? 4 : 0;  // a bouncer wedged in a gap jitters by a step
    c.Expect(Between(g.EnemyX[i], -slack, kRightmostX + slack), Named("EnemyX", i, g.EnemyX[i]));
  }
  for (int i = 0; i < g.LiftCount; ++i) {
    c.Expect(Between(g.LiftY[i], 0, kLowestY), Named("LiftY", i, g.LiftY[i]));
  }
}

void CheckSurfaces(const Game& g, Checker& c) {
  for (const Surface* s : {&g.ShownField, &g.FrameImage, &g.StageImage, &g.UncoveredImage, &g.RacerOneStageImage, &g.RacerTwoStageImage}) {
    c.Expect(s->Width() == kFieldWidth && s->Height() == kFieldHeight, "a field surface changed its size");
  }
}

}  // namespace

std::string BrokenInvariant(const Game& g) {
  Checker c;
  CheckTimers(g, c);
  CheckProgress(g, c);
  CheckCounts(g, c);
  CheckGrid(g, c);
  CheckPositions(g, c);
  CheckSurfaces(g, c);
  return c.First();
}
