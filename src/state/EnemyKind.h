#pragma once

#include <cstdint>

// How an enemy moves (Game::EnemyKind). The numbers are the original codes;
// the state dump and the stage print show them.
enum class EnemyKind : std::int32_t {
  Chaser = 0,       // hunts the player, climbing toward its height (also any unknown kind)
  Climber = 1,      // walks and climbs at random, turning at walls and edges
  Bouncer = 2,      // flies diagonally, bouncing off walls and the field border
  SlopeWalker = 3,  // walks floors and ramps, choosing at forks whether to take the ramp
  Wanderer = 4,     // walks like the chaser but picks ladders and turns at random
};

// The number of a kind, for printing it.
constexpr std::int32_t EnemyKindCode(EnemyKind k) { return static_cast<std::int32_t>(k); }
