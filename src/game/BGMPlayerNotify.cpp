#include "game/BGMPlayerNotify.h"

#include "state/Game.h"

void BGMPlayerNotify(Game& g, NotifyResult result) {
  if (result == NotifyResult::Successful) g.BGMPlayer.Play();
}

void MusicEnded(Game& g) {
  NotifyResult result{};
  if (g.BGMPlayer.Completed(result)) BGMPlayerNotify(g, result);
}
