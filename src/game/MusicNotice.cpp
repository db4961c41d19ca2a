#include "game/MusicNotice.h"

#include "state/Game.h"

void MusicNotice(Game& g, NotifyResult result) {
  if (result == NotifyResult::Successful) g.MusicPlayer.Play();
}

void MusicEnded(Game& g) {
  NotifyResult result{};
  if (g.MusicPlayer.Completed(result)) MusicNotice(g, result);
}
