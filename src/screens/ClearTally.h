#pragma once

struct Game;

// One tick of the bonus tally after a cleared stage, then the next stage or the ending.
void ClearTallyTick(Game& g);
