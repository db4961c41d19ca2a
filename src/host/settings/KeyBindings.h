#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Which key of the keyboard does which of the player's actions. Most actions
// are one of the game's own keys (the dispatcher's virtual-key codes), so a
// rebound key turns into that game key before the dispatcher and recordings
// keep the game's key names; muting belongs to the window. Keys are named as
// the settings file writes them (PhysicalKeyNames).
enum class Action {
  P1Left, P1Right, P1Up, P1Down, P1Jump,
  P2Left, P2Right, P2Up, P2UpSecond, P2Down, P2Jump,
  Start, Continue, Pause, Restart, Slower, Faster, Brighter, Darker,
  Mute,
};
inline constexpr std::size_t kActionCount = static_cast<std::size_t>(Action::Mute) + 1;

// What an action does: the game key it gives, or kMuteTarget.
inline constexpr int kMuteTarget = -1;

struct ActionInfo {
  Action Which;
  std::string_view SettingName;  // its key in the settings file
  int Target;                    // game key or kMuteTarget
  std::string_view DefaultKey;
};

const std::array<ActionInfo, kActionCount>& AllActions();
const ActionInfo& InfoOf(Action a);

// The keys that can be bound: letters, digits, arrows, the keys around them,
// the keypad's digits and the modifiers.
inline constexpr std::size_t kPhysicalKeyCount = 72;
const std::array<std::string_view, kPhysicalKeyCount>& PhysicalKeyNames();
bool IsPhysicalKeyName(std::string_view name);
// The bindable keys' names for a message, in their order, each run of names
// that count up in their last character shortened ("A to Z, 0 to 9, Left, …").
std::string PhysicalKeyNamesText();

class KeyBindings {
 public:
  KeyBindings();  // the default keys

  const std::string& KeyOf(Action a) const { return keys_[static_cast<std::size_t>(a)]; }
  // The action that already gives something else than a with key, if any
  // (C is both player 2's left and continue: one game key, so they may
  // share it).
  std::optional<Action> HolderOf(Action a, const std::string& key) const;
  // Binds key to the action unless HolderOf names another; then false with
  // that action in holder.
  bool Bind(Action a, const std::string& key, Action& holder);
  // Binds without asking (the settings file checks its keys once all are read).
  void Set(Action a, const std::string& key) { keys_[static_cast<std::size_t>(a)] = key; }
  void ResetToDefaults();
  // What a key pressed gives: a game key, kMuteTarget, or 0 for nothing.
  int TargetOf(std::string_view key) const;

  bool operator==(const KeyBindings&) const = default;

 private:
  std::array<std::string, kActionCount> keys_;
};
