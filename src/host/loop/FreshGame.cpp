#include "host/loop/FreshGame.h"

#include <memory>

#include "screens/Title.h"
#include "state/Game.h"

void StartGameAfresh(Game& g, const ReplayStart& start) {
  g.MusicPlayer.Close();
  auto fresh = std::make_unique<Game>();
  fresh->SpriteSheet = std::move(g.SpriteSheet);
  fresh->DuoSpriteSheet = std::move(g.DuoSpriteSheet);
  fresh->TitleLogo = std::move(g.TitleLogo);
  fresh->MusicPlayer.Attach(g.MusicPlayer.Backend());
  fresh->Text = g.Text;
  fresh->Sound = g.Sound;
  fresh->Screen = g.Screen;
  g = std::move(*fresh);
  SetUpGame(g, start.Seed);
  g.PracticeStage = start.Stage;
  g.HiScore = start.HiScore;
  ShowTitle(g);
}
