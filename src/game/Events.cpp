#include "game/Events.h"

#include "game/Dialogs.h"
#include "game/Keyboard.h"
#include "play/Timer1Timer.h"
#include "screens/ClearTally.h"
#include "screens/EndingTimerTimer.h"
#include "screens/GameOverWait.h"
#include "screens/TitleTimerTimer.h"
#include "state/Game.h"

namespace {

void RunTimer(Game& g, TimerId id) {
  switch (id) {
    case TimerId::TitleTimer: TitleTimerTimer(g); break;
    case TimerId::Timer1: Timer1Timer(g); break;
    case TimerId::Timer2: Timer2Timer(g); break;
    case TimerId::ClearTimer: ClearTimerTimer(g); break;
    case TimerId::EndingTimer: EndingTimerTimer(g); break;
  }
}

void RunMenu(Game& g, MenuCommand m) {
  switch (m) {
    case MenuCommand::Restart: RestartMenuClick(g); break;
    case MenuCommand::Pause: PauseMenuClick(g); break;
    case MenuCommand::Exit: ExitMenuClick(g); break;
  }
}

}  // namespace

void Dispatch(Game& g, const Event& e, EventObserver* observer) {
  if (observer) observer->Dispatched(e);
  switch (e.Kind) {
    case EventKind::KeyDown: FormKeyDown(g, e.Key); break;
    case EventKind::KeyUp: FormKeyUp(g, e.Key); break;
    case EventKind::Tick: RunTimer(g, e.Timer); break;
    case EventKind::Menu: RunMenu(g, e.Menu); break;
    case EventKind::Slider:
      if (e.Slider == SliderId::Speed) SpeedTrackBarChange(g, e.Value);
      else KidoTrackBarChange(g, e.Value);
      break;
    case EventKind::Activate: FormActivate(g); break;
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
