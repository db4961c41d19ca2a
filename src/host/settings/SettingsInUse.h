#pragma once

#include <functional>

#include "host/settings/Settings.h"
#include "host/settings/SettingsStore.h"
#include "host/settings/SpeedAndBrightness.h"

struct Game;

// The settings of a run, put to work the same way in the window and the
// page: the stored ones under what this run was told (the command line, the
// page's address), every change the player makes kept in the store, and the
// game's speed and brightness kept whenever they change, whatever changed
// them (keys, menus and sliders all go through the dispatcher); what a
// recording being watched does to them is not kept.
class SettingsInUse {
 public:
  // What the host does when the settings it shows change (volumes, the
  // window's size…).
  using Apply = std::function<void(const Settings& before, const Settings& now)>;

  SettingsInUse(const Game& g, SettingsStore& store, const SettingsOverrides& overrides)
      : g_(g), store_(store), overrides_(overrides) {}
  SettingsInUse(const SettingsInUse&) = delete;
  SettingsInUse& operator=(const SettingsInUse&) = delete;

  void OnChange(Apply apply) { apply_ = std::move(apply); }
  // The settings as this run uses them.
  Settings Shown() const { return WithOverrides(store_.Current(), overrides_); }
  const Settings& Kept() const { return store_.Current(); }
  // The player's keys, as they are kept: they change in place.
  const KeyBindings& Keys() const { return store_.Current().Keys; }
  // The player changed settings: they are kept and put to work.
  void Change(const Settings& s);
  // A language chosen in the menu wins over the run's own from then on.
  void ChooseLanguage(Language language);
  void ToggleMute();
  // Starts watching the game's speed and brightness from where they are.
  void Watch() { game_.Reset(g_); }
  // Looks at the game after a turn of the loop: a new speed or brightness
  // is kept, unless a recording is being watched; a new speed is a notice.
  void AfterEvents(bool watching);
  // Moves on with every change of the settings shown.
  int Generation() const { return generation_; }

 private:
  void Changed(const Settings& before);

  const Game& g_;
  SettingsStore& store_;
  SettingsOverrides overrides_;
  Apply apply_;
  SpeedAndBrightnessWatch game_;
  int generation_ = 0;
};
