#include "platform/ImGuiOverlay.h"

#include <imgui.h>
#include <backends/imgui_impl_sdl.h>

#include "imgui_impl_sdlrenderer.h"

ImGuiOverlay::~ImGuiOverlay() {
  if (!ready_) return;
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui_ImplSDL2_Shutdown();
  ImGui::DestroyContext();
}

void ImGuiOverlay::Init(SDL_Window* window, SDL_Renderer* renderer) {
  ImGui::CreateContext();
  ImGui::GetIO().IniFilename = nullptr;  // nothing is saved between runs
  ImGui::StyleColorsClassic();
  ImGui_ImplSDL2_InitForSDLRenderer(window);
  ImGui_ImplSDLRenderer_Init(renderer);
  ready_ = true;
}

bool ImGuiOverlay::HandleEvent(const SDL_Event& e) {
  if (!ready_ || !drawer_) return false;
  ImGui_ImplSDL2_ProcessEvent(&e);
  const ImGuiIO& io = ImGui::GetIO();
  switch (e.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL: return io.WantCaptureMouse;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT: return io.WantCaptureKeyboard;
    default: return false;
  }
}

void ImGuiOverlay::Draw(SDL_Renderer*, const Viewport& viewport) {
  if (!ready_ || !drawer_) return;
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  ImGui::NewFrame();
  drawer_(viewport);
  wantsFrames_ = ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) || ImGui::IsAnyItemActive() ||
                 ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId);
  ImGui::Render();
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
}
