#include "platform/InfoBox.h"

#include <imgui.h>

namespace {

constexpr float kBackgroundAlpha = 0.75f;

}  // namespace

void DrawInfoBox(const char* id, const Viewport& v, float x, float y, std::span<const std::string> lines) {
  const float s = static_cast<float>(v.Scale);
  ImGui::SetNextWindowPos(ImVec2(static_cast<float>(v.ClientX) + x * s, static_cast<float>(v.ClientY) + y * s));
  ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize |
                                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
                                     ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoInputs;
  if (ImGui::Begin(id, nullptr, flags)) {
    for (const std::string& line : lines) ImGui::TextUnformatted(line.c_str());
  }
  ImGui::End();
}
