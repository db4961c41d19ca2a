#pragma once

#include <string>

struct Game;

// The two settings dialogs keep their slider position and label text for the
// whole run; they are never set from the current values when opened.
struct SliderDialog {
  int Position = 0;
  std::string Label = "Label1";
};

// Speed dialog: the slider position becomes the frame interval.
void SpeedTrackBarChange(Game& g, int position);
// Brightness dialog: the slider position becomes the red of the darkest red
// entry, every other adjustable colour keeping its distance from it.
void KidoTrackBarChange(Game& g, int position);

void RestartMenuClick(Game& g);
void PauseMenuClick(Game& g);
void ExitMenuClick(Game& g);
