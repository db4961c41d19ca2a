#pragma once

struct Game;

// Speed dialog: the slider position becomes the frame interval.
void SpeedSliderMoved(Game& g, int position);
// Brightness dialog: the slider position becomes the red of the darkest red
// entry, every other adjustable colour keeping its distance from it.
void BrightnessSliderMoved(Game& g, int position);

void RestartChosen(Game& g);
void PauseChosen(Game& g);
void ExitChosen(Game& g);
