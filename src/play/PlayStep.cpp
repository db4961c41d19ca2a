#include "play/PlayStep.h"

#include <cstdlib>

#include "play/Geometry.h"
#include "play/PlayerSprite.h"
#include "play/Uncover.h"
#include "stages/MapQueries.h"

namespace {

// A ramp under the character slides it down, whatever the keys say.
bool SlideDownRamp(Game& g) {
  const i32 s = std::abs(SlopeAt(g, g.PlayerX, g.PlayerY));
  if (s <= 0) return false;
  g.Jumping = 0;
  const i32 row = s % 100;
  const i32 m = g.PlayerX % kCell;
  if (s / 100 == 1) {
    g.PlayerY = (row - 1) * kCell + (kCell - m) % kCell;
    g.PlayerX -= 4;
  } else {
    g.PlayerY = (row - 1) * kCell + m;
    g.PlayerX += 4;
  }
  g.PlayerY += 4;
  UncoverRect(g, g.PlayerX - kCell, g.PlayerY + 20, kCell, 4);
  return true;
}

// Right wins over left; Space takes off from solid ground that is no ladder.
void SteerAndTakeOff(Game& g) {
  if (g.KeyLeft == 1) g.PlayerDX = -4;
  if (g.KeyRight == 1) g.PlayerDX = 4;
  if (g.Jumping == 0 && g.KeySpace == 1 && MustFall(g, g.PlayerX, g.PlayerY) == 0 &&
      IsLadder(g, g.PlayerX, g.PlayerY, 1) == 0) {
    g.PlaySound("jump1.wav");
    g.Jumping = 1;
    g.JumpDX = g.PlayerDX;
    g.JumpTick = 0;
    g.JumpX = g.PlayerX;
    g.JumpY = g.PlayerY;
  }
}

// One frame along the jump or fall arc. True when the arc met the ground, a
// wall or a ceiling.
bool FollowArc(Game& g) {
  bool landed = false;
  g.JumpTick += 1;
  g.PlayerX = g.JumpX + g.JumpDX * g.JumpTick;
  g.PlayerDY = FollowArcHeight(g.PlayerY, ArcTarget(g.JumpY, g.JumpTick));
  if (MustFall(g, g.PlayerX, g.PlayerY) == 0) {
    g.PlayerY = CellStart(g.PlayerY);
    landed = true;
  }
  if (g.JumpDX != 0 && HitsWallX(g, g.PlayerX, g.PlayerY, g.JumpDX) == 1) {
    g.PlayerX = FlushAgainstWall(g.PlayerX, g.JumpDX);
    landed = true;
  }
  if (HitsWallY(g, g.PlayerX, g.PlayerY, g.PlayerDY) == 1) {
    g.PlayerY = FlushAgainstWall(g.PlayerY, g.PlayerDY);
    landed = true;
  }
  g.PlayerDY = 0;
  return landed;
}

// Down wins over up; a ladder catches the character out of any arc and holds
// it while no key is pressed.
void HoldOnLadder(Game& g) {
  i32 d = 0;
  if (g.KeyUp == 1) d = -4;
  if (g.KeyDown == 1) d = 4;
  if (IsLadder(g, g.PlayerX, g.PlayerY, d) == 1) {
    g.Jumping = 0;
    g.PlayerDY = d;
  }
}

// Walking and climbing; a wall or ceiling bumped into is uncovered.
void MoveOnGround(Game& g) {
  g.PlayerX = Trunc4(g.PlayerX + g.PlayerDX);
  g.PlayerY = Trunc4(g.PlayerY + g.PlayerDY);
  if (g.PlayerDY != 0) g.PlayerX = NearestCellStart(g.PlayerX);
  if (g.PlayerDX != 0 && HitsWallX(g, g.PlayerX, g.PlayerY, g.PlayerDX) == 1) {
    g.PlayerX = FlushAgainstWall(g.PlayerX, g.PlayerDX);
    UncoverCell(g, g.PlayerX + kCell * Sign(g.PlayerDX), g.PlayerY);
    // A wall in the character's own column (the floor under a ladder's foot)
    // pushes it a cell on; past the right edge no floor would hold it.
    if (g.PlayerX > kMaxX) g.PlayerX = kMaxX;
  }
  if (g.PlayerDY != 0 && HitsWallY(g, g.PlayerX, g.PlayerY, g.PlayerDY) == 1) {
    g.PlayerY = FlushAgainstWall(g.PlayerY, g.PlayerDY);
    UncoverCell(g, g.PlayerX, g.PlayerY + kCell * Sign(g.PlayerDY));
  }
}

// Nothing underfoot: the second half of an arc that started one cell lower,
// so a one-cell step down takes a single frame.
void StartFall(Game& g) {
  if (IsLadder(g, g.PlayerX, g.PlayerY, g.PlayerDY) == 1) return;
  if (MustFall(g, g.PlayerX, g.PlayerY) == 0 || g.Jumping != 0) return;
  g.Jumping = 1;
  g.JumpDX = g.PlayerDX;
  g.JumpTick = 11;
  g.JumpX = g.PlayerX - 11 * g.JumpDX;
  g.JumpY = g.PlayerY + kCell;
}

void KeepInsideField(Game& g) {
  if (g.PlayerX > kMaxX) {
    g.PlayerX = kMaxX;
    g.Jumping = 0;
  }
  if (g.PlayerX < 0) {
    g.PlayerX = 0;
    g.Jumping = 0;
  }
}

// Standing exactly on a cell: the cell underfoot shows, and a wall there
// counts for the block bonus.
void UncoverGroundUnderFeet(Game& g) {
  const i32 x = g.PlayerX;
  const i32 y = g.PlayerY;
  if (x % kCell != 0 || y % kCell != 0) return;
  if (IsLadder(g, x, y, 0) == 1 || MustFall(g, x, y) == 1) return;
  UncoverCell(g, x, y + kCell);
  RecordStoodOnWall(g, x / kCell, y / kCell + 1);
}

}  // namespace

void PlayStep(Game& g, i32 savedX, i32 savedY) {
  g.PlayerDX = 0;
  g.PlayerDY = 0;
  if (!SlideDownRamp(g)) SteerAndTakeOff(g);
  const bool landed = g.Jumping == 1 && FollowArc(g);
  HoldOnLadder(g);
  if (g.Jumping == 0) MoveOnGround(g);
  if (landed) {
    g.PlaySound("landing2.wav");
    g.Jumping = 0;
  }
  StartFall(g);
  KeepInsideField(g);
  if (g.OnLift == 1) {
    // Riding: only the lift moves the character.
    g.PlayerX = savedX;
    g.PlayerY = savedY;
    g.Jumping = 0;
  }
  UncoverCell(g, g.PlayerX, g.PlayerY);
  UncoverGroundUnderFeet(g);
  g.BuffImage.Blit(g.SightImage, 0, 0);
  DrawPlayer(g);
}
