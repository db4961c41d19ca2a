#include "host/records/RunRecords.h"

#include <filesystem>
#include <set>

RunRecords::RunRecords(const std::string& dataFolder, Trouble trouble)
    : trouble_(std::move(trouble)),
      scores_(dataFolder + "/scores.txt", trouble_),
      replays_(dataFolder + "/replays") {}

void RunRecords::Begin(const ReplayStart& start, std::chrono::system_clock::time_point now,
                       const std::string& playerName, RecordKeeper& keeper) {
  std::set<std::string> inTable;
  const ScoreTable table = scores_.Load();
  for (const ScoreEntry& e : table.Entries()) {
    if (!e.Replay.empty()) inTable.insert(e.Replay);
  }
  replays_.Prune(inTable);
  keeper.KeepScores(&scores_, playerName);
  recording_.Hold(start);
  recordingName_.clear();
  keeper.AddRecording(&recording_, "");
  keeper.WhenGameStarts([this, now, &keeper] { CreateRecording(now, keeper); });
}

void RunRecords::CreateRecording(std::chrono::system_clock::time_point runStart, RecordKeeper& keeper) {
  const std::string name = NewFile(runStart, [this](const std::string& path, std::string& error) {
    return recording_.Create(path, error);
  });
  if (name.empty()) return;
  keeper.NameRecording(name);
  recordingName_ = name;
}

std::string RunRecords::OpenRecording(ReplayRecorder& recorder, const ReplayStart& game,
                                      std::chrono::system_clock::time_point start) {
  return NewFile(start, [&](const std::string& path, std::string& error) { return recorder.Open(path, game, error); });
}

std::string RunRecords::NewFile(std::chrono::system_clock::time_point start,
                                const std::function<bool(const std::string&, std::string&)>& make) {
  std::error_code ec;
  std::filesystem::create_directories(replays_.Path(), ec);
  const std::string name = replays_.NewRecordingName(start);
  std::string error;
  if (ec || !make(replays_.Path() + "/" + name, error)) {
    trouble_("this game is not recorded: " + (ec ? replays_.Path() + ": " + ec.message() : error));
    return "";
  }
  return name;
}
