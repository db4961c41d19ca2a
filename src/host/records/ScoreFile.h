#pragma once

#include <string>
#include <vector>

#include "base/Trouble.h"
#include "host/records/ScoreTable.h"

// The lasting table of the best ten in its file. Every change re-reads the
// file under a lock, puts the new game in and writes the file atomically, so
// two programs running at once lose neither's score. A file that is not a
// score table is moved aside to "scores.txt.bad" (or ".bad.2", ".bad.3" …,
// never over an earlier one) and the table starts empty; a table with lines
// that do not read is moved aside the same way and written again with the
// entries that do. Trouble costs one line through `trouble` (one for each
// line left out); the game goes on.
class ScoreFile {
 public:
  ScoreFile(std::string path, Trouble trouble) : path_(std::move(path)), trouble_(std::move(trouble)) {}

  const std::string& Path() const { return path_; }
  // The table as the file holds it now (empty when there is none).
  ScoreTable Load();
  // Enters a finished game when it makes the table; true when it did.
  bool Add(const ScoreEntry& entry);

 private:
  // Reads the file into table; a broken file is moved aside. False when the
  // file may not be written (a broken one could not be kept).
  bool ReadInto(ScoreTable& table);
  bool MoveAside(const std::string& why);
  // Keeps the file as it was aside and writes the table it could read.
  bool KeepReadable(const ScoreTable& table, const std::vector<BadScoreLine>& lines);
  // Renames the file to a free ".bad" name; why says what was wrong when it
  // cannot.
  bool RenameAside(std::string& bad, const std::string& why);

  std::string path_;
  Trouble trouble_;
};
