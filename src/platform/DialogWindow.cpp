#include "platform/DialogWindow.h"

#include <cmath>

std::string DialogTitle(std::string_view caption, const char* id) { return std::string(caption) + id; }

void CentreNextWindow() {
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(std::floor(display.x / 2), std::floor(display.y / 2)), ImGuiCond_Always,
                          ImVec2(0.5f, 0.5f));
}
