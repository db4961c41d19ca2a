#include "screens/Title.h"

#include "state/Game.h"

void ShowTitle(Game& g) {
  g.Timer1.SetEnabled(false);
  g.Timer2.SetEnabled(false);
  g.PlayMode = PlayMode::OnePlayer;
  g.Paused = 0;
  g.EndingTick = 0;
  g.ShownField.FillWhole(kBlack);
  g.TitleCount = 0;

  // The title tune plays once: no notice, so its end does not restart it.
  g.MusicPlayer.SetFileName("Title.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.SetWait(false);
  g.MusicPlayer.Play();

  g.TitleTimer.SetEnabled(true);
}
