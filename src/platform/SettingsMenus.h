#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "host/settings/KeyBindings.h"
#include "host/settings/Settings.h"
#include "platform/DialogLayout.h"
#include "platform/WindowScales.h"

class SettingsInUse;

// The Config menu's items for what lasts between runs (sound, keys,
// language, window) and the sound and keys dialogs, drawn with ImGui. Every
// change goes to the settings in use, which put it to work and keep it.
class SettingsMenus {
 public:
  // usableArea tells the part of the screen the window may take, which
  // decides the scales the Window menu offers.
  SettingsMenus(SettingsInUse& settings, std::function<ScreenArea()> usableArea)
      : settings_(settings), usableArea_(std::move(usableArea)) {}

  Settings Shown() const;
  // Inside the open Config menu.
  void DrawConfigItems();
  // Inside an ImGui frame: the open dialog, centred. True when a dialog was
  // closed in this frame.
  bool DrawDialog();
  bool DialogOpen() const { return open_ != Dialog::None; }
  // The keys dialog awaits the new key of an action.
  bool WaitingForKey() const { return waiting_.has_value(); }
  // A key pressed while one of the dialogs is open, with its name in the
  // settings ("" for a key that cannot be bound).
  void KeyDown(DialogKey key, std::string_view keyName);

 private:
  enum class Dialog { None, Sound, Keys };

  void Open(Dialog d);
  // The open dialog's modal window, opened on its first frame; false (and
  // the dialog forgotten) once it is gone. The close box clears stillOpen.
  bool BeginDialog(const std::string& title, bool& stillOpen);
  // Ends the window begun, closing it when close.
  void EndDialog(bool close);
  void DrawSoundDialog();
  void DrawKeysDialog();
  void TakeNewKey(std::string_view keyName);

  SettingsInUse& settings_;
  std::function<ScreenArea()> usableArea_;
  Dialog open_ = Dialog::None;
  bool opening_ = false;
  bool closing_ = false;
  std::optional<Action> waiting_;  // the action whose new key is awaited
  std::string message_;
  bool askingDefaults_ = false;  // the keys dialog asks before putting every key back
};
