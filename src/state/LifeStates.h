#pragma once

#include <cstdint>

// Game::Player.State (the one-player character) and Game::DuoState (each
// racer): 0 while in play. Out of play a value above kWaitingShown is the
// vertical speed of a hop, fall or clear jump (pixels a frame, counting up,
// skipping 0); the values below name the rest.

constexpr std::int32_t kInPlay = 0;
// The speed a miss starts with: a hop up first, or (a touch near the top of
// the field, or the restart key) straight down.
constexpr std::int32_t kMissHop = -5;
constexpr std::int32_t kMissDrop = 1;

// One player: fallen out of the field, the miss or game-over message not yet
// shown.
constexpr std::int32_t kFellOut = -100;
// One player: waiting for a key at the start position, the character shown
// or hidden this frame (it blinks).
constexpr std::int32_t kWaitingShown = -200;
constexpr std::int32_t kWaitingHidden = -201;

// Two players: a racer gone out of the field, the result decided. A racer
// gone off the top has won, one gone off the bottom has lost; the value says
// who wins.
constexpr std::int32_t kDuoFirstWins = -200;
constexpr std::int32_t kDuoSecondWins = -201;

// ItemsLeft once the clear jump is under way: the stage is won.
constexpr std::int32_t kClearJumpLaunched = -1;
