#pragma once

#include <string>

struct Game;

// What must hold after every event, whatever the input: exactly one timer
// enabled and the one its sequence calls for, every table count within its
// capacity, characters, enemies and lifts inside the field, tiles of known
// kinds. Empty when all holds, otherwise the first thing that does not.
std::string BrokenInvariant(const Game& g);
