#include "platform/NoticeStack.h"

#include <imgui.h>

#include <algorithm>

#include "host/io/Notices.h"
#include "host/settings/SettingsInUse.h"
#include "drawing/ClientArea.h"

namespace {

constexpr std::int64_t kShownMs = 4000;
constexpr std::int64_t kFadeMs = 1000;
constexpr float kMargin = 4;
constexpr float kBackgroundAlpha = 0.75f;

}  // namespace

void NoticeStack::Draw(const Viewport& v, std::int64_t now) {
  for (const Notice& n : TakeNotices()) shown_.push_back({NoticeText(n, settings_.Shown().Lang), now});
  while (!shown_.empty() && now - shown_.front().Since >= kShownMs) shown_.pop_front();
  const float s = static_cast<float>(v.Scale);
  float bottom = static_cast<float>(v.ClientY) + (kClientHeight - kMargin) * s;
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize |
                                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
                                     ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoInputs;
  int number = 0;
  for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
    const std::int64_t left = kShownMs - (now - it->Since);
    const float alpha = std::min(1.0f, static_cast<float>(left) / kFadeMs);
    ImGui::SetNextWindowPos(ImVec2(static_cast<float>(v.ClientX) + kMargin * s, bottom), ImGuiCond_Always,
                            ImVec2(0, 1));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
    ImGui::PushStyleVar(ImGuiStyleVar_Alpha, alpha);
    const std::string id = "##Notice" + std::to_string(number++);
    if (ImGui::Begin(id.c_str(), nullptr, flags)) {
      ImGui::TextUnformatted(it->Text.c_str());
      bottom -= ImGui::GetWindowHeight() + kMargin * s;
    }
    ImGui::End();
    ImGui::PopStyleVar();
  }
}
