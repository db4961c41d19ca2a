#pragma once

struct Game;

// One tick of the wait after a game over or a two-player result: C continues, Enter leaves.
void GameOverWaitTick(Game& g);
