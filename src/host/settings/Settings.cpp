#include "host/settings/Settings.h"

Settings WithOverrides(Settings s, const SettingsOverrides& o) {
  if (o.LanguageSet) s.Lang = o.Lang;
  if (!o.SoundFont.empty()) s.SoundFont = o.SoundFont;
  return s;
}
