#include "support/TestGame.h"

namespace {

constexpr std::uint32_t kTestSeed = 12345;

}  // namespace

TestGame::TestGame() : g(std::make_unique<Game>()) {
  SetUpGame(*g, kTestSeed);
  g->TitleTimer.SetEnabled(false);
  g->MusicPlayer.Attach(&music);
  g->Sound = &sound;
  g->Screen = &screen;
  g->Text = &text;
}
