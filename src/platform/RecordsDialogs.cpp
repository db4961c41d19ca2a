#include "platform/RecordsDialogs.h"

#include <imgui.h>

#include <algorithm>
#include <filesystem>

#include "drawing/ClientArea.h"
#include "host/records/RunRecords.h"
#include "platform/ClassicWidgets.h"

namespace {

const char* const kScoresId = "##Scores";
const char* const kReplaysId = "##Replays";

std::string Text(std::string_view caption) { return std::string(caption); }

// A column's caption and width, in font heights.
struct Column {
  std::string_view Caption;
  float Ems = 0;
};

// The score table's columns: a name longer than its column ends in "...",
// so the dates and the Watch buttons keep their places.
constexpr float kRankEms = 2, kScoreEms = 4.5f, kReachedEms = 6, kNameEms = 10, kDateEms = 8.5f, kWatchEms = 4;
constexpr std::string_view kEllipsis = "...";

void HeaderRow(std::initializer_list<std::string_view> captions) {
  for (std::string_view c : captions) ImGui::TableSetupColumn(Text(c).c_str());
  ImGui::TableHeadersRow();
}

void FixedHeaderRow(std::initializer_list<Column> columns) {
  const float em = ImGui::GetFontSize();
  for (const Column& c : columns) ImGui::TableSetupColumn(Text(c.Caption).c_str(), ImGuiTableColumnFlags_WidthFixed, c.Ems * em);
  ImGui::TableHeadersRow();
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text as it fits the width: whole, or cut after a whole character and
// ended with an ellipsis.
std::string Fitted(const std::string& text, float width) {
  if (ImGui::CalcTextSize(text.c_str()).x <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    while (!cut.empty()) {
      const char last = cut.back();
      cut.pop_back();
      if (!IsUtf8Continuation(last)) break;
    }
    const std::string shown = cut + std::string(kEllipsis);
    if (ImGui::CalcTextSize(shown.c_str()).x <= width) return shown;
  }
  return std::string(kEllipsis);
}

}  // namespace

void RecordsDialogs::DrawMenuItems(const RecordCaptions& c) {
  ClassicSeparator();
  if (ImGui::MenuItem(Text(c.ScoresMenu).c_str(), nullptr, false, records_ != nullptr)) {
    scores_ = records_->Scores().Load();
    replays_ = records_->Replays().List();
    open_ = Shown::Scores;
    opening_ = true;
  }
  if (ImGui::MenuItem(Text(c.ReplaysMenu).c_str(), nullptr, false, records_ != nullptr)) {
    replays_ = records_->Replays().List();
    open_ = Shown::Replays;
    opening_ = true;
  }
}

void RecordsDialogs::Draw(const Viewport& v, const RecordCaptions& c) {
  if (!open_) return;
  const char* id = *open_ == Shown::Scores ? kScoresId : kReplaysId;
  if (opening_) {
    ImGui::OpenPopup(id);
    opening_ = false;
    closing_ = false;
  }
  const float s = static_cast<float>(v.Scale);
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  const ImVec2 size(520 * s, 300 * s);
  ImGui::SetNextWindowPos(ImVec2((display.x - size.x) / 2, (display.y - size.y) / 2));
  ImGui::SetNextWindowSize(size);
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoTitleBar;
  if (!ImGui::BeginPopupModal(id, nullptr, flags)) {
    open_.reset();
    return;
  }
  ImGui::TextUnformatted(Text(*open_ == Shown::Scores ? c.ScoresMenu : c.ReplaysMenu).c_str());
  ClassicSeparator();
  ImGui::BeginChild("##rows", ImVec2(0, size.y - ImGui::GetFrameHeightWithSpacing() * 3), false);
  if (*open_ == Shown::Scores) DrawScores(c);
  else DrawReplays(c);
  ImGui::EndChild();
  if (ImGui::Button(Text(c.Close).c_str()) || closing_) {
    ImGui::CloseCurrentPopup();
    open_.reset();
    closing_ = false;
  }
  ImGui::EndPopup();
}

void RecordsDialogs::DrawScores(const RecordCaptions& c) {
  if (scores_.Entries().empty()) {
    ImGui::TextUnformatted(Text(c.NoScores).c_str());
    return;
  }
  if (!ImGui::BeginTable("##table", 6, ImGuiTableFlags_RowBg | ImGuiTableFlags_SizingFixedFit)) return;
  FixedHeaderRow({{c.Rank, kRankEms}, {c.Score, kScoreEms}, {c.Reached, kReachedEms}, {c.Name, kNameEms},
                  {c.Date, kDateEms}, {"", kWatchEms}});
  int rank = 0;
  for (const ScoreEntry& e : scores_.Entries()) {
    ImGui::PushID(rank);
    ImGui::TableNextRow();
    ImGui::TableNextColumn();
    ImGui::Text("%d", ++rank);
    ImGui::TableNextColumn();
    ImGui::Text("%d", e.Score);
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(ReachedCaption(e, c).c_str());
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(Fitted(e.Name, ImGui::GetContentRegionAvail().x).c_str());
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(e.Date.c_str());
    ImGui::TableNextColumn();
    const auto kept = std::find_if(replays_.begin(), replays_.end(),
                                   [&](const ReplayFolder::Listing& r) { return r.Name == e.Replay; });
    if (kept != replays_.end()) WatchOrNot(*kept, c);
    ImGui::PopID();
  }
  ImGui::EndTable();
}

void RecordsDialogs::WatchOrNot(const ReplayFolder::Listing& recording, const RecordCaptions& c) {
  if (recording.OtherVersion) ImGui::TextDisabled("%s", Text(c.OtherVersion).c_str());
  else if (ImGui::SmallButton(Text(c.Watch).c_str())) {
    watch_((std::filesystem::path(records_->Replays().Path()) / recording.Name).string());
    closing_ = true;  // the recording plays in the window
  }
}

void RecordsDialogs::DrawReplays(const RecordCaptions& c) {
  if (replays_.empty()) {
    ImGui::TextUnformatted(Text(c.NoReplays).c_str());
    return;
  }
  if (!ImGui::BeginTable("##table", 4, ImGuiTableFlags_RowBg | ImGuiTableFlags_SizingFixedFit)) return;
  HeaderRow({c.Date, c.Length, c.Best, ""});
  int row = 0;
  for (const ReplayFolder::Listing& r : replays_) {
    ImGui::PushID(row++);
    ImGui::TableNextRow();
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(r.Start.c_str());
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(MinutesText(r.Seconds).c_str());
    ImGui::TableNextColumn();
    if (r.BestScore > 0) ImGui::Text("%d", r.BestScore);
    else ImGui::TextUnformatted("-");
    ImGui::TableNextColumn();
    WatchOrNot(r, c);
    ImGui::PopID();
  }
  ImGui::EndTable();
}
