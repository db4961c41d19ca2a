#pragma once

struct Game;

// Speed dialog: the slider position becomes the frame interval.
void SpeedTrackBarChange(Game& g, int position);
// Brightness dialog: the slider position becomes the red of the darkest red
// entry, every other adjustable colour keeping its distance from it.
void KidoTrackBarChange(Game& g, int position);

void RestartMenuClick(Game& g);
void PauseMenuClick(Game& g);
void ExitMenuClick(Game& g);
