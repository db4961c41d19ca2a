#pragma once

#include <array>
#include <string_view>

// The captions of the Game menu's records: the table of the best ten and
// the list of recordings, and their dialogs.
namespace record_caption {
inline constexpr std::string_view ScoresMenu = "ハイスコア";
inline constexpr std::string_view ReplaysMenu = "リプレイ";
inline constexpr std::string_view Rank = "順位";
inline constexpr std::string_view Score = "スコア";
inline constexpr std::string_view Reached = "到達";
inline constexpr std::string_view Ending = "エンディング";
inline constexpr std::string_view Stage = "ステージ";
inline constexpr std::string_view Name = "名前";
inline constexpr std::string_view Date = "日付";
inline constexpr std::string_view Length = "長さ";
inline constexpr std::string_view Best = "最高点";
inline constexpr std::string_view Watch = "再生";
inline constexpr std::string_view Close = "閉じる";
inline constexpr std::string_view NoScores = "まだ記録はありません";
inline constexpr std::string_view NoReplays = "まだリプレイはありません";
}  // namespace record_caption

// Every caption above, for the menu font's glyphs.
inline constexpr std::array<std::string_view, 15> kRecordCaptions = {
    record_caption::ScoresMenu, record_caption::ReplaysMenu, record_caption::Rank,    record_caption::Score,
    record_caption::Reached,    record_caption::Ending,      record_caption::Stage,   record_caption::Name,
    record_caption::Date,       record_caption::Length,      record_caption::Best,    record_caption::Watch,
    record_caption::Close,      record_caption::NoScores,    record_caption::NoReplays};
