#pragma once

#include <cstdint>

#include "state/LifeStates.h"

// A character the players steer: the one-player hero, or either racer of the
// two-player mode. Positions are the top-left pixel of its 24 x 24 box.
struct Character {
  std::int32_t X = 0, Y = 0;
  // This frame's step.
  std::int32_t DX = 0, DY = 0;
  // A jump or fall: whether under way, its frame count, where it began and
  // its sideways step a frame.
  std::int32_t Jumping = 0, JumpTick = 0, JumpDX = 0, JumpX = 0, JumpY = 0;
  std::int32_t OnLift = 0;
  // kInPlay, or out of play the hop and fall speed or a mark of
  // state/LifeStates.h.
  std::int32_t State = kInPlay;
};
