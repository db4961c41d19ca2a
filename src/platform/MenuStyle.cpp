#include "platform/MenuStyle.h"

namespace {
ImVec4 Colour(int r, int g, int b) { return ImVec4(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f); }
}  // namespace

void ApplyClassicStyle(ImGuiStyle& style) {
  ImGui::StyleColorsLight(&style);
  style.WindowRounding = style.ChildRounding = style.FrameRounding = style.PopupRounding = 0;
  style.ScrollbarRounding = style.GrabRounding = style.TabRounding = 0;
  style.FramePadding = ImVec2(6, 4);
  style.ItemSpacing = ImVec2(6, 7);
  style.WindowPadding = ImVec2(8, 3);
  style.PopupBorderSize = 1;
  ImVec4* c = style.Colors;
  const ImVec4 face = Colour(192, 192, 192);
  c[ImGuiCol_Text] = Colour(0, 0, 0);
  c[ImGuiCol_WindowBg] = c[ImGuiCol_PopupBg] = c[ImGuiCol_MenuBarBg] = face;
  c[ImGuiCol_Border] = Colour(128, 128, 128);
  c[ImGuiCol_Header] = c[ImGuiCol_HeaderHovered] = c[ImGuiCol_HeaderActive] = Colour(160, 176, 224);
  // The game goes on under a dialog: the window behind it is not dimmed.
  c[ImGuiCol_ModalWindowDimBg] = ImVec4(0, 0, 0, 0);
}
