#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/records/ReplayFolder.h"
#include "host/records/ScoreTable.h"
#include "host/settings/Settings.h"
#include "host/text/RecordCaptions.h"

// What the page's script reads of the game, as JSON text.

// A JSON string holding text (UTF-8), quotes included.
std::string JsonString(std::string_view text);

// {"language":"ja"|"en","musicVolume":N,"effectsVolume":N,"mute":B,
//  "windowScale":N,"generation":N,"keys":["Left",…]} (the keys by Action).
std::string SettingsJson(const Settings& s, int generation);

// The menus' and the records' captions in one language, each under its
// field's name ("GameMenu", "Rank", …), the actions' names under "Actions",
// and the language names under "JapaneseName" and "EnglishName".
std::string CaptionsJson(Language language);

// {"scores":[{"score":N,"reached":"…","date":"…","replay":"…","otherVersion":B,"name":"…"},…],
//  "replays":[{"name":"…","start":"…","length":"M:SS","best":N,"otherVersion":B},…]},
// what the records' dialogs show in the captions' language; a game's
// "replay" is "" unless its recording is still in the folder, and
// "otherVersion" says a recording was made under rules this build does not play.
std::string RecordsJson(const ScoreTable& scores, const ReplayFolder& folder, const RecordCaptions& captions);

// The notices waiting (host/io/Notices.h), taken, as ["line",…] in that
// language.
std::string NoticesJson(Language language);

// Every number and list the page's script shares with the game, so that the
// script copies none of them: the client area's size, the menu commands and
// sliders with their ranges, the window scales, the volumes' range, the
// stages, the seed's range, the language and key-binding codes, the pad
// buttons and axes the page watches, the assets it fetches and the effects
// it plays.
std::string SharedJson();
