#include "play/Tunes.h"

#include "state/Game.h"

void StopMusic(Game& g) {
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
}

void PlayTuneOnce(Game& g, const std::string& file) {
  StopMusic(g);
  g.MusicPlayer.SetFileName(file);
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
}
