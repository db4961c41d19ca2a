#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "host/records/RecordKeeper.h"
#include "host/records/ReplayFolder.h"
#include "host/records/ScoreFile.h"
#include "host/replay/Replay.h"
#include "host/replay/ReplayRecorder.h"

struct Game;

// What a run in a window keeps in the game's data folder: the table of the
// best ten ("scores.txt") and one automatic recording per run in
// "replays/", named by the run's start, which is kept only once a game has
// begun: a run that never leaves the title leaves no file. A folder that cannot be written costs one line through
// `trouble`, and the game goes on without what it could not keep.
class RunRecords {
 public:
  RunRecords(const std::string& dataFolder, Trouble trouble);

  ScoreFile& Scores() { return scores_; }
  ReplayFolder& Replays() { return replays_; }
  // This run's recording in the replays folder; "" before a game began, or
  // when it could not be made.
  const std::string& RecordingName() const { return recordingName_; }

  // The best stored score: the high score a game starts with.
  int BestScore() { return scores_.Load().Best(); }

  // Removes recordings past the newest kept ones (never one of a game in the
  // table), then starts this run's recording and has the keeper write into
  // it and enter finished games under the player's name; the recording's
  // file is made when the keeper sees the first game begin. Begun again (a
  // new game after a recording was watched), a new recording takes its place.
  void Begin(const ReplayStart& start, std::chrono::system_clock::time_point now, const std::string& playerName,
             RecordKeeper& keeper);
  // Opens recorder on a new file of the replays folder, named by start (the
  // folder is made when missing); the file's name, or "" with the trouble
  // told.
  std::string OpenRecording(ReplayRecorder& recorder, const ReplayStart& game,
                            std::chrono::system_clock::time_point start);

 private:
  void CreateRecording(std::chrono::system_clock::time_point runStart, RecordKeeper& keeper);
  // A new file in the replays folder, named by start, made by make; its name,
  // or "" with the trouble told.
  std::string NewFile(std::chrono::system_clock::time_point start,
                      const std::function<bool(const std::string&, std::string&)>& make);

  Trouble trouble_;
  ScoreFile scores_;
  ReplayFolder replays_;
  ReplayRecorder recording_;
  std::string recordingName_;
};
