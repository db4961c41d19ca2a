#include "game/Events.h"

#include "game/Dialogs.h"
#include "game/Keyboard.h"
#include "play/PlayFrameTick.h"
#include "screens/ClearTally.h"
#include "screens/EndingSceneTick.h"
#include "screens/GameOverWait.h"
#include "screens/TitleTick.h"
#include "state/Game.h"

namespace {

void RunTimer(Game& g, TimerId id) {
  switch (id) {
    case TimerId::TitleTimer: TitleTick(g); break;
    case TimerId::Timer1: PlayFrameTick(g); break;
    case TimerId::Timer2: GameOverWaitTick(g); break;
    case TimerId::ClearTimer: ClearTallyTick(g); break;
    case TimerId::EndingTimer: EndingSceneTick(g); break;
  }
}

void RunMenu(Game& g, MenuCommand m) {
  switch (m) {
    case MenuCommand::Restart: RestartChosen(g); break;
    case MenuCommand::Pause: PauseChosen(g); break;
    case MenuCommand::Exit: ExitChosen(g); break;
  }
}

}  // namespace

void Dispatch(Game& g, const Event& e, EventObserver* observer) {
  if (observer) observer->Dispatched(e);
  switch (e.Kind) {
    case EventKind::KeyDown: KeyPressed(g, e.Key); break;
    case EventKind::KeyUp: KeyReleased(g, e.Key); break;
    case EventKind::Tick: RunTimer(g, e.Timer); break;
    case EventKind::Menu: RunMenu(g, e.Menu); break;
    case EventKind::Slider:
      if (e.Slider == SliderId::Speed) SpeedSliderMoved(g, e.Value);
      else BrightnessSliderMoved(g, e.Value);
      break;
    case EventKind::Activate: WindowActivated(g); break;
  }
}

std::string KeyName(int key) {
  switch (key) {
    case vk::Left: return "Left";
    case vk::Right: return "Right";
    case vk::Up: return "Up";
    case vk::Down: return "Down";
    case vk::Space: return "Space";
    case vk::Enter: return "Enter";
    default: break;
  }
  if (key >= 'A' && key <= 'Z') return std::string(1, static_cast<char>(key));
  return {};
}

bool KeyFromName(const std::string& name, int& key) {
  static const struct { const char* name; int key; } kNamed[] = {
      {"Left", vk::Left}, {"Right", vk::Right}, {"Up", vk::Up},
      {"Down", vk::Down}, {"Space", vk::Space}, {"Enter", vk::Enter}};
  for (const auto& k : kNamed) {
    if (name == k.name) {
      key = k.key;
      return true;
    }
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    key = name[0];
    return true;
  }
  return false;
}
