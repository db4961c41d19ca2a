#include "platform/RacePanel.h"

#include <imgui.h>

#include "platform/WindowRace.h"

namespace {

// Where the lines stand in the client area: below the stage's memo.
constexpr float kPanelX = 582, kPanelY = 412;
constexpr float kBackgroundAlpha = 0.85f;

}  // namespace

void RacePanel::Draw(const Viewport& v) {
  const std::vector<std::string> lines = race_.PanelLines();
  if (lines.empty()) return;
  const float s = static_cast<float>(v.Scale);
  ImGui::SetNextWindowPos(ImVec2(static_cast<float>(v.ClientX) + kPanelX * s, static_cast<float>(v.ClientY) + kPanelY * s));
  ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize |
                                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
                                     ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoInputs;
  if (ImGui::Begin("##RacePanel", nullptr, flags)) {
    for (const std::string& line : lines) ImGui::TextUnformatted(line.c_str());
  }
  ImGui::End();
}
