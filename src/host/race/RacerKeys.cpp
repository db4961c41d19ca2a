#include "host/race/RacerKeys.h"

namespace {

constexpr int kPauseKey = 'P';
constexpr int kSlowerKey = 'A', kFasterKey = 'S';
constexpr int kBrighterKey = 'Q', kDarkerKey = 'W';

// Player 2's key for each of player 1's.
int SecondPlayerKey(int key) {
  switch (key) {
    case vk::Left: return 'C';
    case vk::Right: return 'B';
    case vk::Up: return 'F';
    case vk::Down: return 'V';
    case vk::Space: return 'Z';
    default: return 0;
  }
}

bool IsFirstPlayerKey(int key) { return SecondPlayerKey(key) != 0; }

bool IsSecondPlayerKey(int key) {
  return key == 'C' || key == 'B' || key == 'F' || key == 'V' || key == 'Z';
}

bool IsKey(const Event& e) { return e.Kind == EventKind::KeyDown || e.Kind == EventKind::KeyUp; }

}  // namespace

bool IsSpeedKey(int key) { return key == kSlowerKey || key == kFasterKey; }

bool IsBrightnessKey(int key) { return key == kBrighterKey || key == kDarkerKey; }

bool RacerEvent(RaceRole side, const Event& own, Event& stream) {
  stream = own;
  if (IsKey(own) && side == RaceRole::Guest && IsFirstPlayerKey(own.Key)) stream.Key = SecondPlayerKey(own.Key);
  return MaySend(side, stream);
}

bool MaySend(RaceRole side, const Event& e) {
  const bool host = side == RaceRole::Host;
  switch (e.Kind) {
    case EventKind::KeyDown:
    case EventKind::KeyUp:
      return e.Key == kPauseKey || (host ? IsFirstPlayerKey(e.Key) || IsSpeedKey(e.Key) : IsSecondPlayerKey(e.Key));
    case EventKind::Menu: return e.Menu == MenuCommand::Pause;
    case EventKind::Slider: return host && e.Slider == SliderId::Speed;
    default: return false;
  }
}
