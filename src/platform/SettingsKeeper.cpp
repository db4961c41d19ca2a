#include "platform/SettingsKeeper.h"

#include "host/settings/SpeedAndBrightness.h"
#include "platform/SdlMusicSystem.h"
#include "platform/WindowRun.h"
#include "state/Game.h"

SettingsKeeper::SettingsKeeper(Game& g, SettingsStore& store, const SettingsOverrides& overrides, WindowRun& window,
                               SdlMusicSystem& music)
    : g_(g), store_(store), overrides_(overrides), window_(window), music_(music) {
  const Settings s = Shown();
  music_.SetVolumes(s.MusicVolume, s.EffectsVolume, s.Mute);
  window_.UseKeys(store_.Current().Keys, [this] { ToggleMute(); });
  game_.Reset(g_);
  seenFullScreen_ = window_.FullScreen();
  window_.SetAfterEvents([this] { AfterEvents(); });
}

void SettingsKeeper::Change(const Settings& s) {
  const Settings before = Shown();
  store_.Change(s);
  Apply(before, Shown());
}

void SettingsKeeper::ChooseLanguage(Language language) {
  overrides_.LanguageSet = false;
  Settings s = Kept();
  s.Lang = language;
  Change(s);
}

void SettingsKeeper::ToggleMute() {
  Settings s = Kept();
  s.Mute = !s.Mute;
  Change(s);
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
  const bool full = window_.FullScreen();
  const bool gameChanged = game_.Changed(g_);
  const bool windowChanged = full != seenFullScreen_;
  seenFullScreen_ = full;
  if (!(gameChanged || windowChanged) || window_.Replaying()) return;
  Settings s = Kept();
  if (gameChanged) TakeSpeedAndBrightness(g_, s);
  if (windowChanged) s.FullScreen = full;
  Change(s);
}
