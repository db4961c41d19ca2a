#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/records/ScoreTable.h"
#include "host/settings/Settings.h"

// The captions of the Game menu's records, the table of the best ten and the
// list of recordings, in each language the menus speak.
struct RecordCaptions {
  std::string_view ScoresMenu;
  std::string_view ReplaysMenu;
  std::string_view Rank;
  std::string_view Score;
  std::string_view Reached;
  std::string_view Ending;
  std::string_view Stage;  // followed by the stage's number
  std::string_view Name;
  std::string_view Date;
  std::string_view Length;
  std::string_view Best;
  std::string_view Watch;
  std::string_view OtherVersion;  // in place of Watch, for a recording of other rules
  std::string_view Close;
  std::string_view NoScores;
  std::string_view NoReplays;
  // The banner over a recording being watched, and what its keys do.
  std::string_view Watching;
  std::string_view WatchPaused;
  std::string_view WatchKeys;
};

const RecordCaptions& RecordCaptionsIn(Language language);

// One caption field by its name ("Rank", …).
struct RecordCaptionField {
  std::string_view Name;
  std::string_view RecordCaptions::*Caption;
};
// Every caption field, in the order declared.
std::span<const RecordCaptionField> RecordCaptionFields();

// What the table shows a game reached: the ending, or the stage and its number.
std::string ReachedCaption(const ScoreEntry& e, const RecordCaptions& c);
// A recording's length as minutes and seconds ("3:07").
std::string MinutesText(long long seconds);

// The banner's line over a recording being watched: the caption, the time
// played and the whole recording's ("Watching a recording  0:42 / 3:07"),
// and, when paused, that it is.
std::string WatchingCaption(long long playedMs, long long totalMs, bool paused, const RecordCaptions& c);

// Every caption of every language, for the menu font's glyphs.
std::vector<std::string_view> AllRecordCaptionTexts();
