#include "host/records/RecordKeeper.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "host/io/Notices.h"
#include "host/records/ReplayFolder.h"
#include "state/Game.h"

void RecordKeeper::AddRecording(ReplayRecorder* recorder, std::string replayName) {
  if (std::find(recorders_.begin(), recorders_.end(), recorder) == recorders_.end()) recorders_.push_back(recorder);
  if (!replayName.empty()) replayName_ = std::move(replayName);
}

void RecordKeeper::KeepScores(ScoreFile* scores, std::string playerName) {
  scores_ = scores;
  playerName_ = std::move(playerName);
}

void RecordKeeper::Dispatched(const Event& e) {
  LookForStart();
  LookForEnd();
  for (ReplayRecorder* r : recorders_) r->Dispatched(e);
}

// The play frame's timer runs from the moment a game leaves the title.
void RecordKeeper::LookForStart() {
  if (!started_ || !g_.Timer1.Enabled) return;
  const std::function<void()> started = std::move(started_);
  started_ = nullptr;
  started();
}

void RecordKeeper::LookForEnd() {
  const auto end = ends_.Look(g_);
  if (!end) return;
  for (ReplayRecorder* r : recorders_) r->Note(GameEndNote(end->Score, end->Stage, end->Ending));
  if (!scores_) return;
  ScoreEntry entry;
  entry.Score = end->Score;
  entry.Stage = end->Stage;
  entry.Ending = end->Ending;
  entry.Date = clock_();
  entry.Replay = replayName_;
  entry.Name = playerName_;
  if (scores_->Add(entry)) TellNotice({Notice::Kind::TopTen, "", entry.Score});
}

std::string LocalDateNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
  localtime_r(&now, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts);
  return text;
}
