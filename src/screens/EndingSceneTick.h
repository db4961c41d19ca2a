#pragma once

struct Game;

// One tick of the ending; Enter goes back to the title.
void EndingSceneTick(Game& g);
