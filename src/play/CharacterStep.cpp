#include "play/CharacterStep.h"

#include <cstdlib>

#include "play/CharacterMoves.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

namespace {

// A ramp under the character slides it down, whatever the keys say.
bool SlideDownRamp(Game& g, Character& c, Uncovering& view) {
  const i32 s = std::abs(SlopeAt(g, c.X, c.Y));
  if (s <= 0) return false;
  c.Jumping = 0;
  const i32 row = s % 100;
  const i32 m = c.X % kCell;
  if (s / 100 == 1) {
    c.Y = (row - 1) * kCell + (kCell - m) % kCell;
    c.X -= 4;
  } else {
    c.Y = (row - 1) * kCell + m;
    c.X += 4;
  }
  c.Y += 4;
  view.Uncover(c.X - kCell, c.Y + 20, kCell, 4);
  return true;
}

// Right wins over left; the jump key takes off from solid ground.
void SteerAndTakeOff(Game& g, Character& c, const SteeringKeys& keys, TakeOff takeOff) {
  if (keys.Left == 1) c.DX = -4;
  if (keys.Right == 1) c.DX = 4;
  const i32 ladderDir = takeOff == TakeOff::NotFromLadderTop ? 1 : 0;
  if (c.Jumping == 0 && keys.Jump == 1 && MustFall(g, c.X, c.Y) == 0 && IsLadder(g, c.X, c.Y, ladderDir) == 0) {
    g.PlaySound("jump1.wav");
    c.Jumping = 1;
    c.JumpDX = c.DX;
    c.JumpTick = 0;
    c.JumpX = c.X;
    c.JumpY = c.Y;
  }
}

// Down wins over up; a ladder catches the character out of any arc and holds
// it while no key is pressed.
void HoldOnLadder(const Game& g, Character& c, const SteeringKeys& keys) {
  i32 d = 0;
  if (keys.Up == 1) d = -4;
  if (keys.Down == 1) d = 4;
  if (IsLadder(g, c.X, c.Y, d) == 1) {
    c.Jumping = 0;
    c.DY = d;
  }
}

// Nothing underfoot: the second half of an arc that started one cell lower,
// so a one-cell step down takes a single frame.
void StartFall(const Game& g, Character& c) {
  if (IsLadder(g, c.X, c.Y, c.DY) == 1) return;
  if (MustFall(g, c.X, c.Y) == 0 || c.Jumping != 0) return;
  c.Jumping = 1;
  c.JumpDX = c.DX;
  c.JumpTick = 11;
  c.JumpX = c.X - 11 * c.JumpDX;
  c.JumpY = c.Y + kCell;
}

void KeepInsideField(Character& c) {
  if (c.X > kMaxX) {
    c.X = kMaxX;
    c.Jumping = 0;
  }
  if (c.X < 0) {
    c.X = 0;
    c.Jumping = 0;
  }
}

}  // namespace

void MoveCharacter(Game& g, Character& c, const SteeringKeys& keys, TakeOff takeOff, Uncovering& view) {
  c.DX = 0;
  c.DY = 0;
  if (!SlideDownRamp(g, c, view)) SteerAndTakeOff(g, c, keys, takeOff);
  const bool landed = c.Jumping == 1 && FollowArc(g, c);
  HoldOnLadder(g, c, keys);
  if (c.Jumping == 0) MoveOnGround(g, c, [&view](i32 x, i32 y) { view.Uncover(x, y, kCell, kCell); });
  if (landed) {
    g.PlaySound("landing2.wav");
    c.Jumping = 0;
  }
  StartFall(g, c);
  KeepInsideField(c);
}

void UncoverAround(const Game& g, const Character& c, Uncovering& view) {
  view.Uncover(c.X, c.Y, kCell, kCell);
  if (c.X % kCell != 0 || c.Y % kCell != 0) return;
  if (IsLadder(g, c.X, c.Y, 0) == 1 || MustFall(g, c.X, c.Y) == 1) return;
  view.Uncover(c.X, c.Y + kCell, kCell, kCell);
  view.StoodOn(c.X / kCell, c.Y / kCell + 1);
}
