#pragma once

struct Game;

// One frame of play: the one-player or two-player step, nothing while paused.
void PlayFrameTick(Game& g);
