#include <cstdlib>

#include "drawing/DrawSprite.h"
#include "play/CharacterMoves.h"
#include "play/DuoStepParts.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

namespace {

// One player's position and arc, read and written through references.
struct Mover {
  Game& g;
  int i;
  i32& X;
  i32& Y;
  i32& J;
  Mover(Game& game, int player)
      : g(game),
        i(player),
        X(game.DuoX[player]),
        Y(game.DuoY[player]),
        J(game.DuoJumping[player]) {}

  // The 24 x 24 cell at (x, y) of the player's own set shows in SightImage.
  void Reveal(i32 x, i32 y) const { g.SightImage.Blit(*g.BGImages[i], x, y, 24, 24, x, y); }
};

// Rising after spikes or the win launch, falling after the hop, or gone.
void MoveOutOfPlay(Mover& m) {
  i32& s = m.g.DuoState[m.i];
  if (s > kDuoFirstWins) {
    m.Y += s;
    s += 1;
    if (s == kInPlay) s = 1;  // the speed skips 0, which means in play
  }
  if (m.Y < 0) {
    s = m.i == 0 ? kDuoFirstWins : kDuoSecondWins;
  } else if (m.Y > kFieldHeight) {
    s = m.i == 0 ? kDuoSecondWins : kDuoFirstWins;
  } else {
    const i32 x = s < 0 ? 192 + 32 * (std::abs(s) % 2) : 256 + 32 * (s % 2);
    DrawMasked(m.g.BuffImage, m.g.ChrImage, x, 96, x, 128, m.X, m.Y);
  }
}

// On a ramp the player slides down it and the keys are not read. Returns
// false when not on a ramp.
bool SlideOnRamp(Mover& m) {
  const i32 v = std::abs(SlopeAt(m.g, m.X, m.Y));
  if (v == 0) return false;
  m.J = 0;
  const i32 row = v % 100;
  if (v / 100 == 1) {
    m.Y = (24 - m.X % 24) % 24 + (row - 1) * 24;
    m.X -= 4;
  } else {
    m.Y = (row - 1) * 24 + m.X % 24;
    m.X += 4;
  }
  m.Y += 4;
  m.g.SightImage.Blit(*m.g.BGImages[m.i], m.X - 24, m.Y + 20, 24, 4, m.X - 24, m.Y + 20);
  return true;
}

void ReadWalkAndJumpKeys(Mover& m) {
  Game& g = m.g;
  if (g.LeftKeys[m.i] == 1) g.PlayerDX = -4;
  if (g.RightKeys[m.i] == 1) g.PlayerDX = 4;
  if (m.J == 0 && g.JumpKeys[m.i] == 1 && MustFall(g, m.X, m.Y) == 0 &&
      IsLadder(g, m.X, m.Y, 0) == 0) {
    g.PlaySound("jump1.wav");
    m.J = 1;
    g.DuoJumpDX[m.i] = g.PlayerDX;
    g.DuoJumpTick[m.i] = 0;
    g.DuoJumpX[m.i] = m.X;
    g.DuoJumpY[m.i] = m.Y;
  }
}

void ReadLadderKeys(Mover& m) {
  Game& g = m.g;
  i32 w = 0;
  if (g.UpKeys[m.i] == 1) w = -4;
  if (g.DownKeys[m.i] == 1) w = 4;
  if (IsLadder(g, m.X, m.Y, w) == 1) {
    m.J = 0;
    g.PlayerDY = w;
  }
}

void StartFallIfUnsupported(Mover& m) {
  Game& g = m.g;
  if (IsLadder(g, m.X, m.Y, g.PlayerDY) == 0 && MustFall(g, m.X, m.Y) == 1 && m.J == 0) {
    m.J = 1;
    g.DuoJumpDX[m.i] = g.PlayerDX;
    g.DuoJumpTick[m.i] = 11;
    g.DuoJumpX[m.i] = m.X - 11 * g.PlayerDX;
    g.DuoJumpY[m.i] = m.Y + 24;
  }
}

// Keeps the player on the field and shows its own cell and the floor it
// stands on.
void KeepInsideAndReveal(Mover& m) {
  Game& g = m.g;
  if (m.X > kMaxX) {
    m.X = kMaxX;
    m.J = 0;
  }
  if (m.X < 0) {
    m.X = 0;
    m.J = 0;
  }
  m.Reveal(m.X, m.Y);
  if (m.X % 24 == 0 && m.Y % 24 == 0 && IsLadder(g, m.X, m.Y, 0) == 0 &&
      MustFall(g, m.X, m.Y) == 0) {
    m.Reveal(m.X, m.Y + 24);
  }
}

void MoveInPlay(Mover& m) {
  Game& g = m.g;
  g.PlayerDX = 0;
  g.PlayerDY = 0;
  if (!SlideOnRamp(m)) ReadWalkAndJumpKeys(m);
  const bool landed =
      m.J != 0 && FollowArc(g, m.X, m.Y, g.DuoJumpTick[m.i], ArcStart{g.DuoJumpX[m.i], g.DuoJumpY[m.i], g.DuoJumpDX[m.i]});
  ReadLadderKeys(m);
  if (m.J == 0) MoveOnGround(g, m.X, m.Y, [&m](i32 x, i32 y) { m.Reveal(x, y); });
  if (landed) {
    g.PlaySound("landing2.wav");
    m.J = 0;
  }
  StartFallIfUnsupported(m);
  KeepInsideAndReveal(m);
}

}  // namespace

void MoveDuoPlayer(Game& g, int i) {
  Mover m(g, i);
  if (g.DuoState[i] != kInPlay) {
    MoveOutOfPlay(m);
  } else {
    MoveInPlay(m);
  }
  g.DuoDX[i] = g.PlayerDX;
  g.DuoDY[i] = g.PlayerDY;
}
