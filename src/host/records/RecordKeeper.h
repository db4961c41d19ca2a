#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/Events.h"
#include "host/records/GameEnds.h"
#include "host/records/ScoreFile.h"
#include "host/replay/ReplayRecorder.h"

struct Game;

// Keeps what a run in a window leaves behind: every event into the
// recordings, and every finished one-player game into the table of the best
// ten and, as a note, into the recordings.
class RecordKeeper : public EventObserver {
 public:
  // The date a finished game is entered with ("YYYY-MM-DD HH:MM").
  using Clock = std::function<std::string()>;

  RecordKeeper(const Game& g, Clock clock) : g_(g), clock_(std::move(clock)) {}

  // Writes into this recording too (once, however often it is added);
  // replayName is its name in the replays folder when the table should point
  // to it, else "".
  void AddRecording(ReplayRecorder* recorder, std::string replayName);
  // The name in the replays folder the table points to from now on.
  void NameRecording(std::string replayName) { replayName_ = std::move(replayName); }
  // Enters finished games into this table under this player's name.
  void KeepScores(ScoreFile* scores, std::string playerName);
  // Called once, when the keeper first sees that a one- or two-player game
  // began: at the next event (events are seen before they are dispatched)
  // or at Finish.
  void WhenGameStarts(std::function<void()> started) { started_ = std::move(started); }

  void Dispatched(const Event& e) override;
  // Looks once more for a game that began or ended with the last event.
  // A game put in this one's place afterwards (a recording watched, an
  // online race) is another's: its start is not this one's.
  void Finish() {
    LookForStart();
    started_ = nullptr;
    LookForEnd();
  }

 private:
  void LookForEnd();
  void LookForStart();

  const Game& g_;
  Clock clock_;
  GameEndWatcher ends_;
  std::function<void()> started_;
  std::vector<ReplayRecorder*> recorders_;
  std::string replayName_;
  ScoreFile* scores_ = nullptr;
  std::string playerName_;
};

// The local time now as "YYYY-MM-DD HH:MM".
std::string LocalDateNow();
