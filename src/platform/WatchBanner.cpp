#include "platform/WatchBanner.h"

#include <imgui.h>

#include <string>

#include "host/settings/SettingsInUse.h"
#include "host/text/RecordCaptions.h"
#include "platform/WindowRun.h"

namespace {

constexpr float kMargin = 4;
constexpr float kBackgroundAlpha = 0.75f;

}  // namespace

void WatchBanner::Draw(const Viewport& v) {
  const auto progress = window_.Watched();
  if (!progress) return;
  const RecordCaptions& c = RecordCaptionsIn(settings_.Shown().Lang);
  const float s = static_cast<float>(v.Scale);
  ImGui::SetNextWindowPos(ImVec2(static_cast<float>(v.ClientX) + kMargin * s, static_cast<float>(v.ClientY) + kMargin * s));
  ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize |
                                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
                                     ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoInputs;
  if (ImGui::Begin("##WatchBanner", nullptr, flags)) {
    const std::string line = WatchingCaption(progress->PlayedMs, progress->TotalMs, progress->Paused, c);
    ImGui::TextUnformatted(line.c_str());
    ImGui::TextUnformatted(std::string(c.WatchKeys).c_str());
  }
  ImGui::End();
}
