#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/KeyBindings.h"
#include "host/Settings.h"
#include "platform/DialogLayout.h"

class SettingsKeeper;

// The Config menu's items for what lasts between runs (sound, keys,
// language, window) and the sound and keys dialogs, drawn with ImGui. Every
// change goes to the keeper, which puts it to work and saves it.
class SettingsMenus {
 public:
  explicit SettingsMenus(SettingsKeeper& keeper) : keeper_(keeper) {}

  Settings Shown() const;
  // Inside the open Config menu.
  void DrawConfigItems();
  // Inside an ImGui frame: the open dialog, centred. True when a dialog was
  // closed in this frame.
  bool DrawDialog();
  bool DialogOpen() const { return open_ != Dialog::None; }
  // A key pressed while one of the dialogs is open, with its name in the
  // settings ("" for a key that cannot be bound).
  void KeyDown(DialogKey key, std::string_view keyName);

 private:
  enum class Dialog { None, Sound, Keys };

  void Open(Dialog d);
  void DrawSoundDialog();
  void DrawKeysDialog();
  void TakeNewKey(std::string_view keyName);

  SettingsKeeper& keeper_;
  Dialog open_ = Dialog::None;
  bool opening_ = false;
  bool closing_ = false;
  std::optional<Action> waiting_;  // the action whose new key is awaited
  std::string message_;
};
