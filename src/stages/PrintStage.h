#pragma once

#include <iosfwd>
#include <string>

// The --print-stage command: builds stage `stage` ("1" to "10", or "duo" for
// the two-player stage) from generator state `seed` (0 to 4294967295) and
// writes its map, the player's start, the enemy and lift tables and the
// generator state afterwards to `out`. Returns the exit status: 0, or 2 after
// one line on `err` when the stage or the seed is not valid.
int PrintStage(const std::string& stage, const std::string& seed, std::ostream& out,
               std::ostream& err);
