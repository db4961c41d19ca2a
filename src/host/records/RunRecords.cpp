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

  std::error_code ec;
  std::filesystem::create_directories(replays_.Path(), ec);
  const std::string name = replays_.NewRecordingName(now);
  std::string error;
  if (ec || !recording_.Open(replays_.Path() + "/" + name, start, error)) {
    trouble_("this game is not recorded: " + (ec ? replays_.Path() + ": " + ec.message() : error));
    return;
  }
  keeper.AddRecording(&recording_, name);
  recordingName_ = name;
}
