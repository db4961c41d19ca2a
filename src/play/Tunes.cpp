#include "play/Tunes.h"

#include "state/Game.h"

void StopMusic(Game& g) {
  g.BGMPlayer.Stop();
  g.BGMPlayer.Close();
}

void PlayTuneOnce(Game& g, const std::string& file) {
  StopMusic(g);
  g.BGMPlayer.SetFileName(file);
  g.BGMPlayer.Open();
  g.BGMPlayer.SetNotify(false);
  g.BGMPlayer.Play();
}
