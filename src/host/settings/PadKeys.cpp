#include "host/settings/PadKeys.h"

#include "game/Events.h"

namespace pad {

namespace {

// The key each source stands for, by player.
struct PlayerKeys {
  int Up, Down, Left, Right, Jump, Start;
};
constexpr PlayerKeys kKeys[kPlayers] = {
    {vk::Up, vk::Down, vk::Left, vk::Right, vk::Space, vk::Enter},
    {'F', 'V', 'C', 'B', 'Z', 0},
};

}  // namespace

bool PadKeys::Plugged(int pad) {
  if (player_.count(pad)) return true;
  for (int player = 0; player < kPlayers; ++player) {
    bool taken = false;
    for (const auto& [other, p] : player_) taken = taken || p == player;
    if (taken) continue;
    player_[pad] = player;
    held_[pad] = Held{};
    return true;
  }
  return false;
}

int PadKeys::PlayerOf(int pad) const {
  const auto it = player_.find(pad);
  return it == player_.end() ? -1 : it->second;
}

std::vector<KeyChange> PadKeys::Unplugged(int pad) {
  std::vector<KeyChange> changes;
  if (!player_.count(pad)) return changes;
  for (int s = 0; s < kSources; ++s) {
    for (const KeyChange& c : Set(pad, static_cast<Source>(s), false)) changes.push_back(c);
  }
  player_.erase(pad);
  held_.erase(pad);
  return changes;
}

std::vector<KeyChange> PadKeys::ButtonChanged(int pad, Button button, bool pressed) {
  switch (button) {
    case Button::A: return Set(pad, kButtonA, pressed);
    case Button::B: return Set(pad, kButtonB, pressed);
    case Button::Start: return Set(pad, kStart, pressed);
    case Button::DpadUp: return Set(pad, kDpadUp, pressed);
    case Button::DpadDown: return Set(pad, kDpadDown, pressed);
    case Button::DpadLeft: return Set(pad, kDpadLeft, pressed);
    case Button::DpadRight: return Set(pad, kDpadRight, pressed);
    case Button::Other: break;
  }
  return {};
}

std::vector<KeyChange> PadKeys::AxisMoved(int pad, Axis axis, int value) {
  if (axis == Axis::Other) return {};
  const Source low = axis == Axis::LeftX ? kStickLeft : kStickUp;
  const Source high = axis == Axis::LeftX ? kStickRight : kStickDown;
  // A stick swung across lets go of one side before it holds the other.
  const bool towardsLow = value < -kDeadZone;
  std::vector<KeyChange> changes = Set(pad, towardsLow ? high : low, false);
  for (const KeyChange& c : Set(pad, towardsLow ? low : high, value < -kDeadZone || value > kDeadZone))
    changes.push_back(c);
  return changes;
}

// Changes one source; a key goes down when its first source is held and up
// when its last one lets go.
std::vector<KeyChange> PadKeys::Set(int pad, Source source, bool held) {
  const auto player = player_.find(pad);
  if (player == player_.end()) return {};
  const PlayerKeys& keys = kKeys[player->second];
  auto keyOf = [&keys](int s) {
    switch (s) {
      case kButtonA:
      case kButtonB: return keys.Jump;
      case kStart: return keys.Start;
      case kDpadUp:
      case kStickUp: return keys.Up;
      case kDpadDown:
      case kStickDown: return keys.Down;
      case kDpadLeft:
      case kStickLeft: return keys.Left;
      default: return keys.Right;
    }
  };
  Held& state = held_[pad];
  if (state[source] == held) return {};
  const int key = keyOf(source);
  bool othersHold = false;
  for (int s = 0; s < kSources; ++s) othersHold = othersHold || (s != source && state[s] && keyOf(s) == key);
  state[source] = held;
  if (key == 0 || othersHold) return {};
  return {KeyChange{held, key}};
}

}  // namespace pad
