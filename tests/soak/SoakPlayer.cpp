#include "SoakPlayer.h"

#include "game/Events.h"
#include "game/MusicNotice.h"
#include "state/Game.h"

namespace {

// Keys by how often a player touches them: walking and jumping most, the
// start keys and the second player's keys often, the rest now and then.
constexpr int kKeys[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space, vk::Left, vk::Right, vk::Up,
                         vk::Down, vk::Space, vk::Enter, 'C', 'B', 'F', 'G', 'V', 'Z', 'C', 'B', 'F', 'V', 'Z'};
constexpr int kRareKeys[] = {'P', 'R', 'A', 'S', 'Q', 'W', 'D', 'E', 'X', 'Y'};

}  // namespace

void SoakPlayer::PressOrRelease(Game& g) {
  const int key = OneIn(40) ? kRareKeys[Below(std::size(kRareKeys))] : kKeys[Below(std::size(kKeys))];
  Dispatch(g, OneIn(2) ? Event::KeyDown(key) : Event::KeyUp(key));
}

void SoakPlayer::UseMenusAndDialogs(Game& g) {
  if (g.Paused && OneIn(40)) Dispatch(g, Event::KeyDown('P'));
  if (OneIn(5000)) Dispatch(g, Event::MenuChoice(MenuCommand::Restart));
  if (OneIn(5000)) Dispatch(g, Event::MenuChoice(MenuCommand::Pause));
  if (OneIn(20000)) Dispatch(g, Event::SliderMove(SliderId::Speed, Below(301)));
  if (OneIn(5000)) Dispatch(g, Event::SliderMove(SliderId::Brightness, Below(201)));
  if (OneIn(3000)) Dispatch(g, Event::Activation());
  if (OneIn(400000)) Dispatch(g, Event::MenuChoice(MenuCommand::Exit));
}

void SoakPlayer::HelpToAClear(Game& g) {
  if (!g.Timer1.Enabled || g.PlayMode != PlayMode::OnePlayer || g.Paused || g.Player.State != kInPlay ||
      g.ItemsLeft <= 0)
    return;
  for (i32 i = 0; i < g.ItemCount; ++i) g.ItemPhase[i] = -1;
  g.ItemX[0] = g.Player.X;
  g.ItemY[0] = g.Player.Y;
  g.ItemPhase[0] = 0;
  g.ItemsLeft = 1;
}

void SoakPlayer::HelpToADuoWin(Game& g) {
  const int j = Below(2);
  if (!g.Timer1.Enabled || g.PlayMode != PlayMode::TwoPlayer || g.Paused || g.Duo[j].State != kInPlay) return;
  // Item groups: 1 or 2 once that player touched it; touched by both, gone.
  const i32 mine = j + 1;
  i32 last = -1;
  for (i32 k = 0; k < g.ItemCount; ++k) {
    if (g.ItemPhase[k] < 0 || g.ItemPhase[k] / 8 == mine) continue;
    if (last < 0) {
      last = k;
      continue;
    }
    g.ItemPhase[k] += 8 * mine;
    if (g.ItemPhase[k] >= 24) g.ItemPhase[k] = -1;
    g.DuoItemsLeft[j] -= 1;
  }
  if (last < 0) return;
  g.ItemX[last] = g.Duo[j].X;
  g.ItemY[last] = g.Duo[j].Y;
}

void SoakPlayer::Act(Game& g) {
  if (OneIn(4)) PressOrRelease(g);
  UseMenusAndDialogs(g);
  if (onTitle_ && g.Timer1.Enabled && g.PlayMode == PlayMode::OnePlayer) nextStage_ = nextStage_ % 10 + 1;
  if (g.TitleTimer.Enabled) g.PracticeStage = nextStage_;
  onTitle_ = g.TitleTimer.Enabled;
  if (g.Timer2.Enabled && OneIn(12)) Dispatch(g, Event::KeyDown(vk::Enter));
  if (g.MusicPlayer.GetState() == MusicDevice::State::Playing && OneIn(400)) MusicEnded(g);
  if (OneIn(500)) HelpToAClear(g);
  if (OneIn(1500)) HelpToADuoWin(g);
}
