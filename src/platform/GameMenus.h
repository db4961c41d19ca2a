#pragma once

#include <deque>
#include <functional>
#include <optional>

#include "game/Events.h"
#include "host/settings/SliderOpening.h"
#include "host/text/MenuCaptions.h"
#include "platform/ClassicWidgets.h"
#include "platform/DialogLayout.h"
#include "platform/Letterbox.h"
#include "platform/SettingsMenus.h"

struct Game;
class RaceDialogs;
class RecordsDialogs;

// The main window's menu bar (Game: restart, pause, a race, exit; Config: the two
// settings dialogs) and the modal settings dialogs, drawn with ImGui. Every
// command and every slider move goes to the game as an event through submit,
// in turn with the keys, so recordings hold them. A slider dialog opens at
// the game's value, or with classic dialogs where it was last left.
class GameMenus {
 public:
  using Submit = std::function<void(const Event&)>;
  // With settings, the Config menu also holds their items and dialogs, and
  // the captions are in the chosen language; without, in Japanese.
  GameMenus(const Game& g, Submit submit, SettingsMenus* settings = nullptr)
      : g_(g), submit_(std::move(submit)), settings_(settings) {}

  // Inside an ImGui frame: the menu bar over the canvas's strip, and the open
  // dialog centred on the window.
  void Draw(const Viewport& v);

  // What the Config menu's items do: show that dialog modally.
  void OpenDialog(SliderId dialog);
  bool DialogOpen() const;
  // Whether a menu or a dialog that holds the game still is open: any but
  // the two slider dialogs, under which the game runs on.
  bool HoldsGame() const;
  // A key pressed while a dialog is open: the dialog takes it (arrows and
  // page keys move the slider, Enter is OK and Escape closes; the keys
  // dialog takes the key's name as a new key); the game does not see it.
  void DialogKeyDown(DialogKey key, std::string_view keyName = {});
  // Whether a dialog wants the keyboard's arrows, Tab and Space to move among
  // its controls (not a slider dialog, nor the keys dialog awaiting a key).
  bool DialogNavigable() const;
  // F10, Alt alone or the pad's Back button: the Game menu drops down, for
  // the arrows, Enter and Escape; or the open menu closes.
  void ToggleMenuBar() { toggleMenuBar_ = true; }
  // A menu is dropped down, or the keyboard is on the menu bar.
  bool MenuOpen() const { return menuOpen_; }
  // A key the player's bindings give to the game.
  bool BoundToGame(std::string_view keyName) const;
  // The Game menu also holds the records' items and dialogs.
  void AddRecords(RecordsDialogs* records) { records_ = records; }
  // And, before its exit item, the race's items and dialogs.
  void AddRace(RaceDialogs* race) { race_ = race; }
  // While watching says a recording plays, the items that would change the
  // game are greyed.
  void WhileWatching(std::function<bool()> watching) { watching_ = std::move(watching); }

 private:
  void DrawMenuBar(const Viewport& v);
  void DrawDialog(const Viewport& v);
  // Bevel, label, OK button and slider, with the keys taken; true when OK
  // (button or Enter) or Escape ends the dialog.
  bool DrawDialogContents(const DialogLayout& layout, const ScreenRect& client, float scale);
  void MoveSlider(SliderId dialog, int position);
  void CloseDialog();
  Language Lang() const;
  const MenuCaptions& Captions() const;

  const Game& g_;
  Submit submit_;
  SettingsMenus* settings_;
  std::optional<SliderId> open_;
  bool opening_ = false;
  std::deque<DialogKey> keys_;
  // The open slider dialog's position and label, as moved since it opened.
  SliderShown shown_;
  bool menuOpen_ = false;
  bool toggleMenuBar_ = false;
  TrackBarDrag drag_;
  RecordsDialogs* records_ = nullptr;
  RaceDialogs* race_ = nullptr;
  std::function<bool()> watching_;
};
