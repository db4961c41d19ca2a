#pragma once

struct Game;

// The per-stage state of both modes: items left, the one-player character
// in play at its start (which is also where it comes back after a miss), and
// both two-player characters standing on the bottom floor.
void ResetCharactersForStage(Game& g);
// Nothing of the new stage is uncovered yet, and no miss happened on it.
void ResetRevealed(Game& g);
