#include "game/Dialogs.h"

#include "game/Keyboard.h"
#include "state/Game.h"

void SpeedTrackBarChange(Game& g, int position) {
  g.SpeedDialog.Position = position;
  g.SpeedDialog.Label = std::to_string(position);
  SetFrameInterval(g, position);
}

void KidoTrackBarChange(Game& g, int position) {
  g.KidoDialog.Position = position;
  g.KidoDialog.Label = std::to_string(position);
  const int d = position - g.DuoPalette[3].Red;
  for (int i = 0; i < 3; ++i) g.DuoPalette[i].Blue = static_cast<std::uint8_t>((g.DuoPalette[i].Blue + d) & 0xFF);
  for (int i = 3; i < 6; ++i) g.DuoPalette[i].Red = static_cast<std::uint8_t>((g.DuoPalette[i].Red + d) & 0xFF);
  g.RepaintCRT();
}

void RestartMenuClick(Game& g) { RequestRestart(g); }
void PauseMenuClick(Game& g) { PauseToggle(g); }
void ExitMenuClick(Game& g) { g.CloseRequested = true; }
