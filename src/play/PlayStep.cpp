#include "play/PlayStep.h"

#include <cstdlib>

#include "play/CharacterMoves.h"
#include "play/PlayerSprite.h"
#include "play/Uncover.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

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
  const bool landed =
      g.Jumping == 1 && FollowArc(g, g.PlayerX, g.PlayerY, g.JumpTick, ArcStart{g.JumpX, g.JumpY, g.JumpDX});
  HoldOnLadder(g);
  if (g.Jumping == 0) MoveOnGround(g, g.PlayerX, g.PlayerY, [&g](i32 x, i32 y) { UncoverCell(g, x, y); });
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
