// The page's door to what lasts between visits: the settings, the captions
// in the chosen language and the records (web/play.js and web/records.js
// call these once the game has started).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

#include "host/settings/KeyBindings.h"
#include "host/records/RunRecords.h"
#include "web/PageFolders.h"
#include "web/PageGame.h"
#include "web/PageJson.h"

namespace {

std::string answer;

constexpr int kBound = -1;
constexpr int kUnusableKey = -2;

const char* Answer(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

SettingsInUse& GameSettings() { return ThePageGame().Settings(); }

}  // namespace

extern "C" {

// The folder the page keeps in the browser's storage.
EMSCRIPTEN_KEEPALIVE const char* velmorane_kept_home() { return kPageHome; }

// Moves on with every change of the settings the page shows.
EMSCRIPTEN_KEEPALIVE int velmorane_settings_generation() { return GameSettings().Generation(); }

EMSCRIPTEN_KEEPALIVE const char* velmorane_settings() {
  return Answer(SettingsJson(GameSettings().Shown(), GameSettings().Generation()));
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_sound(int music, int effects, int mute) {
  Settings s = GameSettings().Kept();
  s.MusicVolume = std::clamp(music, 0, Settings::kMaxVolume);
  s.EffectsVolume = std::clamp(effects, 0, Settings::kMaxVolume);
  s.Mute = mute != 0;
  GameSettings().Change(s);
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_language(int english) {
  GameSettings().ChooseLanguage(english ? Language::English : Language::Japanese);
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_window_scale(int scale) {
  Settings s = GameSettings().Kept();
  s.WindowScale = std::clamp(scale, Settings::kFitScale, Settings::kMaxWindowScale);
  GameSettings().Change(s);
}

// Binds the key named name to the action numbered action; kBound when it
// did, kUnusableKey for a key that cannot be bound, else the number of the
// action that already has the key.
EMSCRIPTEN_KEEPALIVE int velmorane_settings_bind_key(int action, const char* name) {
  if (action < 0 || action >= static_cast<int>(kActionCount) || !IsPhysicalKeyName(name)) return kUnusableKey;
  Settings s = GameSettings().Kept();
  Action holder{};
  if (!s.Keys.Bind(static_cast<Action>(action), name, holder)) return static_cast<int>(holder);
  GameSettings().Change(s);
  return kBound;
}

EMSCRIPTEN_KEEPALIVE void velmorane_settings_default_keys() {
  Settings s = GameSettings().Kept();
  s.Keys.ResetToDefaults();
  GameSettings().Change(s);
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_captions(int english) {
  return Answer(CaptionsJson(english ? Language::English : Language::Japanese));
}

// Whether the page keeps records now (not while a recording is watched).
EMSCRIPTEN_KEEPALIVE int velmorane_keeps_records() { return ThePageGame().Records() ? 1 : 0; }

// The table of the best ten and the recordings; "null" when the page keeps
// no records (a recording is being watched).
EMSCRIPTEN_KEEPALIVE const char* velmorane_records() {
  RunRecords* records = ThePageGame().Records();
  if (!records) return "null";
  const RecordCaptions& captions = RecordCaptionsIn(GameSettings().Shown().Lang);
  return Answer(RecordsJson(records->Scores().Load(), records->Replays(), captions));
}

// This game's recording, as a path in the program's file system; "" when
// there is none.
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_recording() {
  RunRecords* records = ThePageGame().Records();
  if (!records || records->RecordingName().empty()) return "";
  return Answer(records->Replays().Path() + "/" + records->RecordingName());
}

// A kept recording by its name in the replays folder, as a path; "" for a
// name that is not a recording's.
EMSCRIPTEN_KEEPALIVE const char* velmorane_kept_recording(const char* name) {
  const std::string file = name;
  if (!IsRecordingName(file)) return "";
  RunRecords records(PageDataFolder(), [](const std::string&) {});
  return Answer(records.Replays().Path() + "/" + file);
}

}  // extern "C"
