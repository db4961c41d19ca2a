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
    .Close = "閉じる",
    .NoScores = "まだ記録はありません",
    .NoReplays = "まだリプレイはありません",
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
    .Close = "Close",
    .NoScores = "No scores yet",
    .NoReplays = "No recordings yet",
};

void AddAll(const RecordCaptions& c, std::vector<std::string_view>& out) {
  out.insert(out.end(), {c.ScoresMenu, c.ReplaysMenu, c.Rank, c.Score, c.Reached, c.Ending, c.Stage, c.Name, c.Date,
                         c.Length, c.Best, c.Watch, c.Close, c.NoScores, c.NoReplays});
}

}  // namespace

const RecordCaptions& RecordCaptionsIn(Language language) {
  return language == Language::English ? kEnglish : kJapanese;
}

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
