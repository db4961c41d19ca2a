#include "host/settings/SettingsInUse.h"

#include "host/io/Notices.h"

void SettingsInUse::Change(const Settings& s) {
  const Settings before = Shown();
  store_.Change(s);
  Changed(before);
}

void SettingsInUse::ChooseLanguage(Language language) {
  const Settings before = Shown();
  overrides_.LanguageSet = false;
  Settings s = Kept();
  s.Lang = language;
  store_.Change(s);
  Changed(before);
}

void SettingsInUse::ToggleMute() {
  Settings s = Kept();
  s.Mute = !s.Mute;
  Change(s);
}

void SettingsInUse::AfterEvents(bool watching) {
  if (!game_.Changed(g_) || watching) return;
  Settings s = Kept();
  TakeSpeedAndBrightness(g_, s);
  if (s.FrameInterval != Kept().FrameInterval) TellNotice({Notice::Kind::Speed, "", s.FrameInterval});
  Change(s);
}

void SettingsInUse::Changed(const Settings& before) {
  const Settings now = Shown();
  if (now == before) return;
  ++generation_;
  if (apply_) apply_(before, now);
}
