#pragma once

struct Game;

// One frame of play: the one-player or two-player step, nothing while paused.
void Timer1Timer(Game& g);
