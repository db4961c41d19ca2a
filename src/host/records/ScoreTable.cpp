#include "host/records/ScoreTable.h"

#include <sstream>

#include "base/DecimalNumber.h"
#include "state/StageNumbers.h"

namespace {

constexpr char kSeparator = '\t';
constexpr int kScoreMax = 2147483647;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find(kSeparator, start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

bool ParseNumber(const std::string& text, int max, int& value) {
  const std::optional<std::uint64_t> v = ParseDecimal(text, static_cast<std::uint64_t>(max));
  if (!v) return false;
  value = static_cast<int>(*v);
  return true;
}

bool ParseReached(const std::string& text, ScoreEntry& entry) {
  if (text == "ending") {
    entry.Ending = true;
    entry.Stage = kLastStage;
    return true;
  }
  const std::string prefix = "stage ";
  return text.rfind(prefix, 0) == 0 && ParseNumber(text.substr(prefix.size()), kLastStage, entry.Stage) &&
         entry.Stage >= kFirstStage;
}

bool ParseEntry(const std::string& line, ScoreEntry& entry, std::string& what) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != 5) {
    what = "expected five fields separated by tabs: score, stage or ending, date, recording, name";
    return false;
  }
  if (!ParseNumber(f[0], kScoreMax, entry.Score)) {
    what = "the score '" + f[0] + "' is not a number from 0 to " + std::to_string(kScoreMax);
    return false;
  }
  if (!ParseReached(f[1], entry)) {
    what = "expected 'stage N' (1 to 10) or 'ending', not '" + f[1] + "'";
    return false;
  }
  if (f[2].empty() || f[4].empty()) {
    what = "the date and the name may not be empty";
    return false;
  }
  if (f[3].empty() || f[3].find('/') != std::string::npos) {
    what = "the recording must be a file name or '-'";
    return false;
  }
  entry.Date = f[2];
  entry.Replay = f[3] == "-" ? std::string() : f[3];
  entry.Name = f[4];
  return true;
}

// Tabs and line breaks would break the line apart.
std::string OneField(std::string text) {
  for (char& c : text) {
    if (c == kSeparator || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

bool ScoreTable::Makes(int score) const {
  if (score <= 0) return false;
  return entries_.size() < kPlaces || score > entries_.back().Score;
}

bool ScoreTable::Insert(const ScoreEntry& entry) {
  if (!Makes(entry.Score)) return false;
  auto place = entries_.begin();
  while (place != entries_.end() && place->Score >= entry.Score) ++place;
  entries_.insert(place, entry);
  if (entries_.size() > kPlaces) entries_.resize(kPlaces);
  return true;
}

std::string ReachedText(const ScoreEntry& entry) {
  return entry.Ending ? "ending" : "stage " + std::to_string(entry.Stage);
}

std::string FormatScoreTable(const ScoreTable& table) {
  std::string text = std::string(kScoreFileHeader) + "\n";
  text += "# The best ten one-player games, best first: score, stage reached or ending, date,\n";
  text += "# the game's recording in the replays folder (- for none) and the player, separated by tabs.\n";
  for (const ScoreEntry& e : table.Entries()) {
    text += std::to_string(e.Score) + kSeparator + ReachedText(e) + kSeparator + OneField(e.Date) + kSeparator +
            (e.Replay.empty() ? "-" : OneField(e.Replay)) + kSeparator + OneField(e.Name) + "\n";
  }
  return text;
}

bool ParseScoreTable(const std::string& text, ScoreTable& table, std::vector<BadScoreLine>& bad) {
  table = ScoreTable{};
  bad.clear();
  std::istringstream in(text);
  std::string row;
  int line = 0;
  while (std::getline(in, row)) {
    ++line;
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (line == 1) {
      if (row != kScoreFileHeader) {
        bad.push_back({line, std::string("the first line must be '") + kScoreFileHeader + "'"});
        return false;
      }
      continue;
    }
    if (row.empty() || row[0] == '#') continue;
    ScoreEntry entry;
    std::string what;
    if (ParseEntry(row, entry, what)) table.Insert(entry);
    else bad.push_back({line, what});
  }
  if (line == 0) {
    bad.push_back({1, "empty file"});
    return false;
  }
  return true;
}
