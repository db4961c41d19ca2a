#include "platform/SettingsKeeper.h"

#include "platform/SdlMusicSystem.h"
#include "platform/WindowRun.h"

SettingsKeeper::SettingsKeeper(SettingsInUse& settings, WindowRun& window, SdlMusicSystem& music)
    : settings_(settings), window_(window), music_(music) {
  const Settings s = settings_.Shown();
  music_.SetVolumes(s.MusicVolume, s.EffectsVolume, s.Mute);
  window_.UseKeys(settings_.Keys(), [this] { settings_.ToggleMute(); });
  settings_.OnChange([this](const Settings& before, const Settings& now) { Apply(before, now); });
  settings_.Watch();
  seenFullScreen_ = window_.FullScreen();
  window_.SetAfterEvents([this] { AfterEvents(); });
}

void SettingsKeeper::Apply(const Settings& before, const Settings& now) {
  if (now.MusicVolume != before.MusicVolume || now.EffectsVolume != before.EffectsVolume || now.Mute != before.Mute) {
    music_.SetVolumes(now.MusicVolume, now.EffectsVolume, now.Mute);
  }
  if (now.WindowScale != before.WindowScale) window_.SetScale(now.WindowScale);
  if (now.FullScreen != window_.FullScreen()) window_.SetFullScreen(now.FullScreen);
  seenFullScreen_ = window_.FullScreen();
}

void SettingsKeeper::AfterEvents() {
  // A recording's or an online race's speed is not this player's choice.
  const bool notChosen = window_.Replaying() || window_.PlaysRace();
  settings_.AfterEvents(notChosen);
  const bool full = window_.FullScreen();
  if (full == seenFullScreen_) return;
  seenFullScreen_ = full;
  if (notChosen) return;
  Settings s = settings_.Kept();
  s.FullScreen = full;
  settings_.Change(s);
}
