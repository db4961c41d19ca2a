#include "screens/Ending.h"
#include "state/Game.h"

void StartEnding(Game& g) {
  g.BuffImage.FillWhole(kBlack);
  g.BGMPlayer.SetFileName("ending.mid");
  g.BGMPlayer.Open();
  g.BGMPlayer.Play();
  g.EndingTick = -170;
  g.EndingTimer.SetEnabled(true);
}
