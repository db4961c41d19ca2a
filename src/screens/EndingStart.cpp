#include "screens/EndingStart.h"

#include "state/Game.h"

void StartEnding(Game& g) {
  g.FrameImage.FillWhole(kBlack);
  g.MusicPlayer.SetFileName("ending.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.Play();
  g.EndingTick = -170;
  g.EndingTimer.SetEnabled(true);
}
