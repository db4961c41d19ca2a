#include "host/text/RecordCaptions.h"

namespace {

constexpr RecordCaptions kJapanese{
    .ScoresMenu = "ハイスコア",
    .ReplaysMenu = "リプレイ",
    .Rank = "順位",
    .Score = "スコア",
    .Reached = "到達",
    .Ending = "エンディング",
    .Stage = "ステージ",
    .Name = "名前",
    .Date = "日付",
    .Length = "長さ",
    .Best = "最高点",
    .Watch = "再生",
    .OtherVersion = "別のバージョンの記録",
    .Close = "閉じる",
    .NoScores = "まだ記録はありません",
    .NoReplays = "まだリプレイはありません",
    .Watching = "再生中",
    .WatchPaused = "一時停止中",
    .WatchKeys = "P 一時停止　→ 10秒先へ　Esc 停止",
};

constexpr RecordCaptions kEnglish{
    .ScoresMenu = "High scores",
    .ReplaysMenu = "Replays",
    .Rank = "Rank",
    .Score = "Score",
    .Reached = "Reached",
    .Ending = "Ending",
    .Stage = "Stage",
    .Name = "Name",
    .Date = "Date",
    .Length = "Length",
    .Best = "Best",
    .Watch = "Watch",
    .OtherVersion = "Made by another version",
    .Close = "Close",
    .NoScores = "No scores yet",
    .NoReplays = "No recordings yet",
    .Watching = "Watching a recording",
    .WatchPaused = "Paused",
    .WatchKeys = "P pause   → skip 10 s   Esc stop",
};

#define VELMORANE_FIELD(name) RecordCaptionField{#name, &RecordCaptions::name}
constexpr RecordCaptionField kFields[] = {
    VELMORANE_FIELD(ScoresMenu), VELMORANE_FIELD(ReplaysMenu),  VELMORANE_FIELD(Rank),     VELMORANE_FIELD(Score),
    VELMORANE_FIELD(Reached),    VELMORANE_FIELD(Ending),       VELMORANE_FIELD(Stage),    VELMORANE_FIELD(Name),
    VELMORANE_FIELD(Date),       VELMORANE_FIELD(Length),       VELMORANE_FIELD(Best),     VELMORANE_FIELD(Watch),
    VELMORANE_FIELD(OtherVersion), VELMORANE_FIELD(Close),      VELMORANE_FIELD(NoScores), VELMORANE_FIELD(NoReplays),
    VELMORANE_FIELD(Watching),   VELMORANE_FIELD(WatchPaused),  VELMORANE_FIELD(WatchKeys),
};
#undef VELMORANE_FIELD

void AddAll(const RecordCaptions& c, std::vector<std::string_view>& out) {
  for (const RecordCaptionField& f : kFields) out.push_back(c.*f.Caption);
}

}  // namespace

const RecordCaptions& RecordCaptionsIn(Language language) {
  return language == Language::English ? kEnglish : kJapanese;
}

std::span<const RecordCaptionField> RecordCaptionFields() { return kFields; }

std::vector<std::string_view> AllRecordCaptionTexts() {
  std::vector<std::string_view> texts;
  AddAll(kJapanese, texts);
  AddAll(kEnglish, texts);
  return texts;
}

std::string ReachedCaption(const ScoreEntry& e, const RecordCaptions& c) {
  return e.Ending ? std::string(c.Ending) : std::string(c.Stage) + " " + std::to_string(e.Stage);
}

std::string MinutesText(long long seconds) {
  const long long rest = seconds % 60;
  return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string WatchingCaption(long long playedMs, long long totalMs, bool paused, const RecordCaptions& c) {
  constexpr long long kMsPerSecond = 1000;
  std::string line = std::string(c.Watching) + "  " + MinutesText(playedMs / kMsPerSecond) + " / " +
                     MinutesText(totalMs / kMsPerSecond);
  if (paused) line += "  " + std::string(c.WatchPaused);
  return line;
}
