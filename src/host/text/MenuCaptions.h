#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/race/RaceAddress.h"
#include "host/settings/KeyBindings.h"
#include "host/settings/Settings.h"

// The captions of the main window's menu bar, its dialogs and their messages,
// in each language the menus speak. The Japanese ones of the game's first
// menus and dialogs are exactly as they have always been shown; the letters
// in parentheses name the keys that do the same (the menu has no shortcut
// keys of its own). A caption holding {key}, {action} or {n} has that filled
// in (Filled).
struct MenuCaptions {
  std::string_view GameMenu;
  std::string_view RestartMenu;
  std::string_view PauseMenu;
  std::string_view ExitMenu;
  std::string_view ConfigMenu;
  std::string_view BrightnessMenu;
  std::string_view SpeedMenu;
  std::string_view SoundMenu;
  std::string_view KeysMenu;
  std::string_view LanguageMenu;
  std::string_view WindowMenu;
  std::string_view FitScaleItem;
  std::string_view ScaleItem;  // {n}
  std::string_view FullScreenItem;
  std::string_view BrightnessDialog;  // the dialogs' captions
  std::string_view SpeedDialog;
  std::string_view SoundDialog;
  std::string_view KeysDialog;
  std::string_view OKButton;
  std::string_view MusicVolume;
  std::string_view EffectsVolume;
  std::string_view MuteBox;
  std::string_view PressNewKey;  // {action}
  std::string_view KeyInUse;     // {key}, {action}
  std::string_view KeyUnusable;
  std::string_view DefaultKeysButton;
  std::string_view DefaultKeysQuestion;  // asked before the keys go back to their defaults
  std::string_view YesButton;
  std::string_view NoButton;
  std::string_view SpeedNotice;         // {n}: the notices over the picture
  std::string_view PictureSavedNotice;  // followed by the file
  std::string_view NoPictureNotice;     // followed by why
  std::string_view TopTenNotice;        // {n}: the score
  std::string_view HostRaceMenu;  // a race between two programs: the Game menu's items
  std::string_view JoinRaceMenu;
  std::string_view HostRaceDialog;  // the dialogs' captions
  std::string_view JoinRaceDialog;
  std::string_view RacePortLabel;
  std::string_view RaceAddressLabel;
  std::string_view RaceAddressHint;  // what the empty address field shows
  std::string_view HostButton;
  std::string_view JoinButton;
  std::string_view CancelButton;
  std::string_view RaceWaitingOnPort;  // see RaceWaitingText
  std::string_view RaceConnecting;     // see RaceConnectingText
  std::string_view RaceWaiting;        // the lines over a race
  std::string_view RaceSlow;
  std::string_view RaceLeft;
  std::string_view RaceYou;  // the side panel's names of the two players
  std::string_view RaceOtherPlayer;
  std::string_view RaceGuestSpeed;
  std::string_view RaceRoundTrip;  // the side panel's round trip, {n} ms
  std::string_view RaceAgainOffered;  // Enter after a race's result: another race, once both want it
  std::string_view RaceAgainAsked;  // told once to the one who joined, whose A and S do nothing
  std::array<std::string_view, kActionCount> Actions;  // by Action
};

// The languages' own names, the same in every language's menu.
inline constexpr std::string_view kJapaneseName = "日本語";
inline constexpr std::string_view kEnglishName = "English";

const MenuCaptions& CaptionsIn(Language language);

// One caption field by its name ("GameMenu", …).
struct MenuCaptionField {
  std::string_view Name;
  std::string_view MenuCaptions::*Caption;
};
// Every caption field but the actions, in the order declared.
std::span<const MenuCaptionField> MenuCaptionFields();

// The caption with {key}, {action} and {n} replaced.
std::string Filled(std::string_view caption, std::string_view key, std::string_view action, int n = 0);

// The host's line while the other player has not come: the port it waits
// on and the addresses of this computer they may join.
std::string RaceWaitingText(const MenuCaptions& c, std::uint16_t port, std::span<const std::string> addresses);
// The line while joining the race hosted at to.
std::string RaceConnectingText(const MenuCaptions& c, const RaceAddress& to);

// Every caption of every language; the menu font needs a glyph for each of
// their characters (the slider labels, key names and numbers are plain ASCII).
std::vector<std::string_view> AllCaptionTexts();
