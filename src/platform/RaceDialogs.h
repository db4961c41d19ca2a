#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "host/race/RaceAddress.h"
#include "host/text/MenuCaptions.h"
#include "platform/DialogLayout.h"

class SettingsInUse;

// What the race's dialogs ask of a race between two programs. A dialog
// whose action is not set shows its button greyed.
struct RaceActions {
  std::function<void(std::uint16_t port)> Host;
  std::function<void(const RaceAddress& to)> Join;
  std::function<void()> Cancel;
  std::function<std::string()> Status;   // empty: nothing being set up
  std::function<std::string()> Trouble;  // the last one-line error, or empty
  std::function<bool()> Racing;          // a race is being played; unset: none
};

// The Game menu's race items and their dialogs, drawn with ImGui: hosting
// on a port and joining an address, each remembered in the settings, then
// the wait while the race is set up, which ends by itself when the race
// begins. Enter is the dialog's button, Escape its Cancel.
class RaceDialogs {
 public:
  RaceDialogs(SettingsInUse& settings, RaceActions actions) : settings_(settings), actions_(std::move(actions)) {}

  // Inside the Game menu: the two items, greyed while a race is played.
  void DrawMenuItems(const MenuCaptions& c);
  // Inside an ImGui frame: the open dialog, centred.
  void Draw(const MenuCaptions& c);
  bool Open() const { return open_ != Dialog::None; }
  // The wait for a race asked for elsewhere (on the command line), hosted
  // or joined.
  void ShowWait(bool hosting);
  void KeyDown(DialogKey key);

 private:
  enum class Dialog { None, Host, Join, Waiting };
  enum class Choice { None, Go, Cancel };
  // The room for an address: the longest host name, a colon and a port.
  static constexpr std::size_t kAddressRoom = 264;
  static constexpr std::size_t kPortRoom = 6;

  void OpenDialog(Dialog d);
  void DrawHost(const MenuCaptions& c);
  void DrawJoin(const MenuCaptions& c);
  void DrawWaiting(const MenuCaptions& c);
  // The error line, if any, then the button that goes (greyed unless
  // canGo) and Cancel, which the close box and Escape also are.
  Choice DrawButtons(const MenuCaptions& c, std::string_view go, bool canGo, bool stillOpen);
  // Keep the field's port or address and ask for the race; false with the
  // error shown when it is not one.
  bool Host();
  bool Join();
  // The open dialog's modal window, opened on its first frame; false (and
  // the dialog forgotten) once it is gone. The close box clears stillOpen.
  bool Begin(const MenuCaptions& c, bool& stillOpen);
  // Ends the window begun, closing it when close.
  void End(bool close);

  SettingsInUse& settings_;
  RaceActions actions_;
  Dialog open_ = Dialog::None;
  Dialog waitingFor_ = Dialog::None;  // the dialog whose action the wait follows
  bool opening_ = false;
  bool focus_ = false;  // the keyboard goes to the field on the dialog's first frame
  bool enter_ = false;
  bool escape_ = false;
  std::array<char, kPortRoom> port_{};
  std::array<char, kAddressRoom> address_{};
  std::string error_;
};
