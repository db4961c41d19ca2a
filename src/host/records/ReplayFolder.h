#pragma once

#include <chrono>
#include <set>
#include <string>
#include <vector>

// The folder of automatic recordings: one "YYYYMMDD-HHMMSS.replay" per run
// of the program in a window, named by its start time in local time.
class ReplayFolder {
 public:
  static constexpr std::size_t kKept = 50;

  explicit ReplayFolder(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // A name for a recording started at `start` that no file has yet: the
  // time, then "-2", "-3" … when two runs start in the same second.
  std::string NewRecordingName(std::chrono::system_clock::time_point start) const;

  // What the Replays list shows of one recording.
  struct Listing {
    std::string Name;   // the file's name
    std::string Start;  // "YYYY-MM-DD HH:MM:SS", from the name
    long long Seconds = 0;  // from the start to the last line written
    int BestScore = 0;      // the best game it holds, 0 for none
    bool OtherVersion = false;  // made under rules this build does not play
  };
  // The recordings, newest first.
  std::vector<Listing> List() const;

  // Whether the recording of that name was made by another version of the
  // game, under rules this build does not play, so it cannot be watched here.
  bool MadeByOtherVersion(const std::string& name) const;

  // Removes all but the newest kKept recordings, except those named in keep
  // (recordings of games in the table of the best ten).
  void Prune(const std::set<std::string>& keep) const;

 private:
  std::vector<std::string> Names() const;
  std::string path_;
};

// Whether name is a recording's name in the folder ("YYYYMMDD-HHMMSS.replay"
// or with "-N" before ".replay"); never a path.
bool IsRecordingName(const std::string& name);

// The comment line a recording gets when one of its games ends, which the
// Replays list reads back: "# end score 1200 stage 3" ("stage ending").
std::string GameEndNote(int score, int stage, bool ending);
