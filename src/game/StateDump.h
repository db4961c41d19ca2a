#pragma once

#include <cstdint>
#include <ostream>

struct Game;

// Writes the game state as "Name value" lines: the progress and character
// variables, both two-player characters, the five timers, the virtual time,
// one line per enemy, lift and item in use, the music device, and the stage
// grid in the layout notation. Replays and tests compare these lines.
void DumpState(const Game& g, std::int64_t virtualTimeMs, std::ostream& out);
