#include "web/PageSettings.h"

#include "host/settings/SpeedAndBrightness.h"
#include "state/Game.h"

void PageSettings::Change(const Settings& s) {
  if (s == store_.Current()) return;
  store_.Change(s);
  ++generation_;
}

void PageSettings::ChooseLanguage(Language language) {
  overrides_.LanguageSet = false;
  Settings s = Kept();
  s.Lang = language;
  store_.Change(s);
  ++generation_;
}

void PageSettings::ToggleMute() {
  Settings s = Kept();
  s.Mute = !s.Mute;
  Change(s);
}

void PageSettings::Watch() { game_.Reset(g_); }

void PageSettings::AfterEvents(bool watching) {
  if (!game_.Changed(g_) || watching) return;
  Settings s = Kept();
  TakeSpeedAndBrightness(g_, s);
  Change(s);
}
