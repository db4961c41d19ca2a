#pragma once

struct Game;

// One tick of the title screen: its figures move; Enter or Space starts a game.
void TitleTick(Game& g);
