#include "host/settings/KeyBindings.h"

#include <algorithm>

#include "game/Events.h"

namespace {

constexpr int Letter(char c) { return c; }

constexpr std::array<ActionInfo, kActionCount> kActions = {{
    {Action::P1Left, "key_player1_left", vk::Left, "Left"},
    {Action::P1Right, "key_player1_right", vk::Right, "Right"},
    {Action::P1Up, "key_player1_up", vk::Up, "Up"},
    {Action::P1Down, "key_player1_down", vk::Down, "Down"},
    {Action::P1Jump, "key_player1_jump", vk::Space, "Space"},
    {Action::P2Left, "key_player2_left", Letter('C'), "C"},
    {Action::P2Right, "key_player2_right", Letter('B'), "B"},
    {Action::P2Up, "key_player2_up", Letter('F'), "F"},
    {Action::P2UpSecond, "key_player2_up_second", Letter('G'), "G"},
    {Action::P2Down, "key_player2_down", Letter('V'), "V"},
    {Action::P2Jump, "key_player2_jump", Letter('Z'), "Z"},
    {Action::Start, "key_start", vk::Enter, "Enter"},
    {Action::Continue, "key_continue", Letter('C'), "C"},
    {Action::Pause, "key_pause", Letter('P'), "P"},
    {Action::Restart, "key_restart", Letter('R'), "R"},
    {Action::Slower, "key_slower", Letter('A'), "A"},
    {Action::Faster, "key_faster", Letter('S'), "S"},
    {Action::Brighter, "key_brighter", Letter('Q'), "Q"},
    {Action::Darker, "key_darker", Letter('W'), "W"},
    {Action::Mute, "key_mute", kMuteTarget, "M"},
}};

constexpr std::array<std::string_view, kPhysicalKeyCount> kPhysicalKeys = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "Left", "Right", "Up", "Down", "Space", "Enter", "Tab", "Backspace",
    "Insert", "Delete", "Home", "End", "PageUp", "PageDown",
    "Keypad0", "Keypad1", "Keypad2", "Keypad3", "Keypad4", "Keypad5", "Keypad6", "Keypad7", "Keypad8", "Keypad9",
    "KeypadPlus", "KeypadMinus", "KeypadMultiply", "KeypadDivide",
    "LeftShift", "RightShift", "LeftCtrl", "RightCtrl", "LeftAlt", "RightAlt", "Comma", "Period",
};

// The fewest names counting up that a message shortens to "first to last".
constexpr std::size_t kShortenedRun = 3;

// Whether b follows a by its last character alone: "A" "B", "Keypad1" "Keypad2".
bool CountsOn(std::string_view a, std::string_view b) {
  return !a.empty() && a.size() == b.size() && a.substr(0, a.size() - 1) == b.substr(0, b.size() - 1) &&
         a.back() + 1 == b.back();
}

}  // namespace

const std::array<ActionInfo, kActionCount>& AllActions() { return kActions; }

const ActionInfo& InfoOf(Action a) { return kActions[static_cast<std::size_t>(a)]; }

const std::array<std::string_view, kPhysicalKeyCount>& PhysicalKeyNames() { return kPhysicalKeys; }

bool IsPhysicalKeyName(std::string_view name) {
  return std::find(kPhysicalKeys.begin(), kPhysicalKeys.end(), name) != kPhysicalKeys.end();
}

std::string PhysicalKeyNamesText() {
  std::string text;
  for (std::size_t first = 0; first < kPhysicalKeys.size();) {
    std::size_t last = first;
    while (last + 1 < kPhysicalKeys.size() && CountsOn(kPhysicalKeys[last], kPhysicalKeys[last + 1])) ++last;
    text += text.empty() ? "" : ", ";
    text += kPhysicalKeys[first];
    if (last - first + 1 >= kShortenedRun) text += " to " + std::string(kPhysicalKeys[last]);
    else last = first;
    first = last + 1;
  }
  return text;
}

KeyBindings::KeyBindings() { ResetToDefaults(); }

void KeyBindings::ResetToDefaults() {
  for (const ActionInfo& info : kActions) keys_[static_cast<std::size_t>(info.Which)] = std::string(info.DefaultKey);
}

std::optional<Action> KeyBindings::HolderOf(Action a, const std::string& key) const {
  for (const ActionInfo& info : kActions) {
    if (info.Which != a && KeyOf(info.Which) == key && info.Target != InfoOf(a).Target) return info.Which;
  }
  return std::nullopt;
}

bool KeyBindings::Bind(Action a, const std::string& key, Action& holder) {
  if (const auto other = HolderOf(a, key)) {
    holder = *other;
    return false;
  }
  Set(a, key);
  return true;
}

int KeyBindings::TargetOf(std::string_view key) const {
  for (const ActionInfo& info : kActions) {
    if (KeyOf(info.Which) == key) return info.Target;
  }
  return 0;
}
