// The page's door to what lasts between visits: the settings, the captions
// in the chosen language and the records (web/play.js and web/records.js
// call these once the game has started). Every number is checked before it
// is used; a refused call does nothing (web/PageCalls.h).
#include <emscripten/emscripten.h>

#include <string>

#include "host/records/RunRecords.h"
#include "host/settings/KeyBindings.h"
#include "host/settings/SettingsStore.h"
#include "web/PageCalls.h"
#include "web/PageCodes.h"
#include "web/PageFolders.h"
#include "web/PageGame.h"
#include "web/PageJson.h"

namespace {

std::string answer;

const char* Answer(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

// The started game's settings; nullptr (refused) before it started.
SettingsInUse* GameSettings() {
  PagePlay* game = StartedGame();
  return game ? &game->Settings() : nullptr;
}

bool CheckLanguage(int language) { return CheckRange("language", language, kJapaneseCode, kEnglishCode); }

Language LanguageOf(int language) { return language == kEnglishCode ? Language::English : Language::Japanese; }

}  // namespace

extern "C" {

// The folder the page keeps in the browser's storage.
EMSCRIPTEN_KEEPALIVE const char* velmorane_kept_home() { return kPageHome; }

// The language the kept settings choose ("ja" or "en"), for what the page
// says before the game has started; what is wrong with the file is told
// once the game reads it.
EMSCRIPTEN_KEEPALIVE const char* velmorane_kept_language() {
  const SettingsStore kept(PageSettingsFile(), [](const std::string&) {});
  return kept.Current().Lang == Language::English ? "en" : "ja";
}

// Moves on with every change of the settings the page shows.
EMSCRIPTEN_KEEPALIVE int velmorane_settings_generation() {
  SettingsInUse* settings = GameSettings();
  return settings ? settings->Generation() : 0;
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_settings() {
  SettingsInUse* settings = GameSettings();
  return settings ? Answer(SettingsJson(settings->Shown(), settings->Generation())) : "null";
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_sound(int music, int effects, int mute) {
  SettingsInUse* settings = GameSettings();
  if (!settings || !CheckRange("music volume", music, 0, Settings::kMaxVolume) ||
      !CheckRange("effects volume", effects, 0, Settings::kMaxVolume) || !CheckRange("mute", mute, 0, 1)) {
    return;
  }
  Settings s = settings->Kept();
  s.MusicVolume = music;
  s.EffectsVolume = effects;
  s.Mute = mute != 0;
  settings->Change(s);
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_language(int language) {
  SettingsInUse* settings = GameSettings();
  if (settings && CheckLanguage(language)) settings->ChooseLanguage(LanguageOf(language));
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_window_scale(int scale) {
  SettingsInUse* settings = GameSettings();
  if (!settings || !CheckRange("window scale", scale, Settings::kFitScale, Settings::kMaxWindowScale)) return;
  Settings s = settings->Kept();
  s.WindowScale = scale;
  settings->Change(s);
}

// The name the table of the best ten shows for the player; "" for the
// default one.
EMSCRIPTEN_KEEPALIVE void velmorane_settings_player_name(const char* name) {
  SettingsInUse* settings = GameSettings();
  if (!settings || !CheckText("the player's name", name)) return;
  Settings s = settings->Kept();
  s.PlayerName = name;
  settings->Change(s);
}

// Binds the key named name to the action numbered action; kKeyBound when it
// did, kKeyUnusable for a key that cannot be bound, else the number of the
// action that already has the key.
EMSCRIPTEN_KEEPALIVE int velmorane_settings_bind_key(int action, const char* name) {
  SettingsInUse* settings = GameSettings();
  if (!settings || !CheckRange("action", action, 0, static_cast<int>(kActionCount) - 1) ||
      !CheckText("the key", name)) {
    return kKeyUnusable;
  }
  if (!IsPhysicalKeyName(name)) return kKeyUnusable;
  Settings s = settings->Kept();
  Action holder{};
  if (!s.Keys.Bind(static_cast<Action>(action), name, holder)) return static_cast<int>(holder);
  settings->Change(s);
  return kKeyBound;
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_default_keys() {
  SettingsInUse* settings = GameSettings();
  if (!settings) return;
  Settings s = settings->Kept();
  s.Keys.ResetToDefaults();
  settings->Change(s);
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_captions(int language) {
  return CheckLanguage(language) ? Answer(CaptionsJson(LanguageOf(language))) : "null";
}

// The notices to show over the picture, in the settings' language, as JSON.
EMSCRIPTEN_KEEPALIVE const char* velmorane_notices() {
  SettingsInUse* settings = GameSettings();
  return settings ? Answer(NoticesJson(settings->Shown().Lang)) : "[]";
}

// Whether the page keeps records now (not while a recording is watched).
EMSCRIPTEN_KEEPALIVE int velmorane_keeps_records() {
  PagePlay* game = StartedGame();
  return game && game->Records() ? 1 : 0;
}

// The table of the best ten and the recordings; "null" when the page keeps
// no records (a recording is being watched).
EMSCRIPTEN_KEEPALIVE const char* velmorane_records() {
  PagePlay* game = StartedGame();
  RunRecords* records = game ? game->Records() : nullptr;
  if (!records) return "null";
  const RecordCaptions& captions = RecordCaptionsIn(game->Settings().Shown().Lang);
  return Answer(RecordsJson(records->Scores().Load(), records->Replays(), captions));
}

// This game's recording, as a path in the program's file system; "" when
// there is none.
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_recording() {
  PagePlay* game = StartedGame();
  RunRecords* records = game ? game->Records() : nullptr;
  if (!records || records->RecordingName().empty()) return "";
  return Answer(records->Replays().Path() + "/" + records->RecordingName());
}

// A kept recording by its name in the replays folder, as a path; "" for a
// name that is not a recording's.
EMSCRIPTEN_KEEPALIVE const char* velmorane_kept_recording(const char* name) {
  if (!CheckText("the recording's name", name)) return "";
  const std::string file = name;
  if (!IsRecordingName(file)) return "";
  RunRecords records(PageDataFolder(), [](const std::string&) {});
  return Answer(records.Replays().Path() + "/" + file);
}

}  // extern "C"
