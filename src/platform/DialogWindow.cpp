#include "platform/DialogWindow.h"

#include <cmath>

std::string DialogTitle(std::string_view caption, const char* id) { return std::string(caption) + id; }

void CentreNextWindow() {
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(std::floor(display.x / 2), std::floor(display.y / 2)), ImGuiCond_Always,
                          ImVec2(0.5f, 0.5f));
}

bool BeginModalDialog(const std::string& title, bool& opening, bool& stillOpen) {
  if (opening) {
    ImGui::OpenPopup(title.c_str());
    opening = false;
  }
  CentreNextWindow();
  return ImGui::BeginPopupModal(title.c_str(), &stillOpen, kDialogWindowFlags);
}

void EndModalDialog(bool close) {
  if (close) ImGui::CloseCurrentPopup();
  ImGui::EndPopup();
}
