#include "game/Dialogs.h"

#include "game/Keyboard.h"
#include "state/Game.h"

void SpeedSliderMoved(Game& g, int position) {
  g.SpeedDialog.Position = position;
  g.SpeedDialog.Label = std::to_string(position);
  SetFrameInterval(g, position);
}

void BrightnessSliderMoved(Game& g, int position) {
  g.BrightnessDialog.Position = position;
  g.BrightnessDialog.Label = std::to_string(position);
  const int d = position - g.DuoPalette[3].Red;
  for (int i = 0; i < 3; ++i) g.DuoPalette[i].Blue = static_cast<std::uint8_t>((g.DuoPalette[i].Blue + d) & 0xFF);
  for (int i = 3; i < 6; ++i) g.DuoPalette[i].Red = static_cast<std::uint8_t>((g.DuoPalette[i].Red + d) & 0xFF);
  g.RepaintField();
}

void RestartChosen(Game& g) { RequestRestart(g); }
void PauseChosen(Game& g) { PauseToggle(g); }
void ExitChosen(Game& g) { g.CloseRequested = true; }
