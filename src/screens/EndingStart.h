#pragma once

struct Game;

// Hands over from the last stage's tally to the ending: black picture, the
// ending tune repeating, EndingTick at -170 and EndingTimer on.
void StartEnding(Game& g);
