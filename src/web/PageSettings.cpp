#include "web/PageSettings.h"

#include "host/SpeedAndBrightness.h"
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

void PageSettings::Watch() {
  seenInterval_ = g_.Timer1.Interval;
  seenBrightness_ = DuoBrightness(g_);
}

void PageSettings::AfterEvents(bool watching) {
  const int interval = g_.Timer1.Interval, brightness = DuoBrightness(g_);
  if (interval == seenInterval_ && brightness == seenBrightness_) return;
  seenInterval_ = interval;
  seenBrightness_ = brightness;
  if (watching) return;
  Settings s = Kept();
  TakeSpeedAndBrightness(g_, s);
  Change(s);
}
