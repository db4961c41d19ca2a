#pragma once

#include <deque>
#include <functional>
#include <optional>

#include "game/Events.h"
#include "host/text/MenuCaptions.h"
#include "platform/ClassicWidgets.h"
#include "platform/DialogLayout.h"
#include "platform/Letterbox.h"
#include "platform/SettingsMenus.h"

struct Game;
class RecordsDialogs;

// The main window's menu bar (Game: restart, pause, exit; Config: the two
// settings dialogs) and the modal settings dialogs, drawn with ImGui. Every
// command and every slider move goes to the game as an event through submit,
// in turn with the keys, so recordings hold them. The dialogs show the
// game's own dialog state (slider position and label), which lives for the
// whole run.
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
  // A key pressed while a dialog is open: the dialog takes it (arrows and
  // page keys move the slider, Enter is OK; the keys dialog takes the key's
  // name as a new key); the game does not see it.
  void DialogKeyDown(DialogKey key, std::string_view keyName = {});
  // The Game menu also holds the records' items and dialogs.
  void AddRecords(RecordsDialogs* records) { records_ = records; }
  // While watching says a recording plays, the items that would change the
  // game are greyed.
  void WhileWatching(std::function<bool()> watching) { watching_ = std::move(watching); }

 private:
  void DrawMenuBar(const Viewport& v);
  void DrawDialog(const Viewport& v);
  // Bevel, label, OK button and slider, with the keys taken; true when OK
  // (button or Enter) ends the dialog.
  bool DrawDialogContents(const DialogLayout& layout, const ScreenRect& client, float scale);
  int ShownPosition(SliderId dialog) const;
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
  // A slider move submitted but not yet dispatched, per dialog.
  std::optional<int> moved_[2];
  TrackBarDrag drag_;
  RecordsDialogs* records_ = nullptr;
  std::function<bool()> watching_;
};
