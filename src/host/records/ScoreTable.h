#pragma once

#include <string>
#include <vector>

// One finished one-player game in the table of the best ten.
struct ScoreEntry {
  int Score = 0;
  int Stage = 1;        // the stage the game ended on
  bool Ending = false;  // the game reached the ending
  std::string Date;     // "YYYY-MM-DD HH:MM", local time
  std::string Replay;   // the recording's file name in the replays folder, or ""
  std::string Name;
};

// The best ten games, best first; among equal scores the earlier entry
// stays ahead.
class ScoreTable {
 public:
  static constexpr std::size_t kPlaces = 10;

  const std::vector<ScoreEntry>& Entries() const { return entries_; }
  // The best score, 0 when the table is empty.
  int Best() const { return entries_.empty() ? 0 : entries_.front().Score; }
  // Whether a game with this score would enter the table.
  bool Makes(int score) const;
  // Puts the entry in its place; false (and nothing changes) when it does
  // not make the table.
  bool Insert(const ScoreEntry& entry);

 private:
  std::vector<ScoreEntry> entries_;
};

// The file's text: a format line, a comment naming the fields, then one
// line per game with the fields separated by tabs:
//   SCORE <tab> stage N | ending <tab> DATE <tab> RECORDING | - <tab> NAME
constexpr const char* kScoreFileHeader = "velmorane-scores 1";
std::string FormatScoreTable(const ScoreTable& table);
// A line of the file that could not be read, and why.
struct BadScoreLine {
  int Line = 0;
  std::string What;
};
// Reads every entry that reads; each line that does not is left out and
// listed in bad. False, with the table empty and the one reason in bad,
// when the text is not a score table at all (no format line).
bool ParseScoreTable(const std::string& text, ScoreTable& table, std::vector<BadScoreLine>& bad);

// "stage 7" or "ending".
std::string ReachedText(const ScoreEntry& entry);
