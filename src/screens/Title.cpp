#include "screens/Title.h"

#include "state/Game.h"

void ShowTitle(Game& g) {
  g.Timer1.SetEnabled(false);
  g.Timer2.SetEnabled(false);
  g.PlayMode = PlayMode::OnePlayer;
  g.Paused = 0;
  g.EndingTick = 0;
  g.CRTImage.FillWhole(kBlack);
  g.TitleCount = 0;

  // The title tune plays once: no notice, so its end does not restart it.
  g.BGMPlayer.SetAutoDeviceType();
  g.BGMPlayer.SetFileName("Title.mid");
  g.BGMPlayer.Open();
  g.BGMPlayer.SetNotify(false);
  g.BGMPlayer.SetWait(false);
  g.BGMPlayer.Play();

  g.TitleTimer.SetEnabled(true);
}
