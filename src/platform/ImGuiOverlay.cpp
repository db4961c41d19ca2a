#include "platform/ImGuiOverlay.h"

#include <backends/imgui_impl_sdl.h>

#include "imgui_impl_sdlrenderer.h"
#include "platform/GameMenus.h"
#include "platform/MenuGlyphs.h"
#include "platform/MenuStyle.h"
#include "platform/NoticeStack.h"
#include "platform/PhysicalKeys.h"
#include "platform/TtfText.h"
#include "platform/WatchBanner.h"

namespace {

constexpr float kMenuFontHeight = 12;  // the form's font, "ＭＳ Ｐゴシック" at 12 pixels

DialogKey DialogKeyFor(SDL_Keycode key) {
  switch (key) {
    case SDLK_LEFT: return DialogKey::Left;
    case SDLK_RIGHT: return DialogKey::Right;
    case SDLK_UP: return DialogKey::Up;
    case SDLK_DOWN: return DialogKey::Down;
    case SDLK_PAGEUP: return DialogKey::PageUp;
    case SDLK_PAGEDOWN: return DialogKey::PageDown;
    case SDLK_HOME: return DialogKey::Home;
    case SDLK_END: return DialogKey::End;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return DialogKey::Enter;
    case SDLK_ESCAPE: return DialogKey::Escape;
    default: return DialogKey::Other;
  }
}

bool IsMouseEvent(Uint32 type) {
  return type == SDL_MOUSEMOTION || type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ||
         type == SDL_MOUSEWHEEL;
}

}  // namespace

ImGuiOverlay::~ImGuiOverlay() {
  if (!ready_) return;
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui_ImplSDL2_Shutdown();
  ImGui::DestroyContext();
}

void ImGuiOverlay::Init(SDL_Window* window, SDL_Renderer* renderer, GameMenus& menus) {
  ImGui::CreateContext();
  ImGui::GetIO().IniFilename = nullptr;  // nothing is saved between runs
  ApplyClassicStyle(ImGui::GetStyle());
  baseStyle_ = ImGui::GetStyle();
  glyphs_ = MenuGlyphRanges();
  ImGui_ImplSDL2_InitForSDLRenderer(window);
  ImGui_ImplSDLRenderer_Init(renderer);
  menus_ = &menus;
  ready_ = true;
}

bool ImGuiOverlay::HandleEvent(const SDL_Event& e) {
  if (!ready_) return false;
  const bool key = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP || e.type == SDL_TEXTINPUT;
  if (key && menus_->DialogOpen()) {
    if (e.type == SDL_KEYDOWN) menus_->DialogKeyDown(DialogKeyFor(e.key.keysym.sym), PhysicalKeyName(e.key.keysym.sym));
    return true;
  }
  ImGui_ImplSDL2_ProcessEvent(&e);
  // The game has no use for the mouse; taking it makes the next frame show
  // the menus' answer to it.
  return IsMouseEvent(e.type);
}

void ImGuiOverlay::Rescale(int scale) {
  scale_ = scale;
  ImGuiIO& io = ImGui::GetIO();
  ImGui_ImplSDLRenderer_DestroyFontsTexture();
  io.Fonts->Clear();
  ImFontConfig config;
  config.OversampleH = 1;
  config.PixelSnapH = true;
  if (!io.Fonts->AddFontFromFileTTF(kGothicFontPath, kMenuFontHeight * scale, &config, glyphs_.Data)) {
    io.Fonts->AddFontDefault();
  }
  ImGui::GetStyle() = baseStyle_;
  ImGui::GetStyle().ScaleAllSizes(static_cast<float>(scale));
}

void ImGuiOverlay::Draw(SDL_Renderer*, const Viewport& viewport) {
  if (!ready_) return;
  if (viewport.Scale != scale_) Rescale(viewport.Scale);
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  ImGui::NewFrame();
  menus_->Draw(viewport);
  if (banner_) banner_->Draw(viewport);
  if (notices_) notices_->Draw(viewport, static_cast<std::int64_t>(SDL_GetTicks64()));
  wantsFrames_ = (notices_ && notices_->Showing()) || menus_->DialogOpen() || ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) ||
                 ImGui::IsAnyItemActive() || ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId);
  ImGui::Render();
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  // Once the font texture is made, the font file (6 MB) and the atlas'
  // pixels are not needed; a rescale loads the file again.
  ImGui::GetIO().Fonts->ClearInputData();
  ImGui::GetIO().Fonts->ClearTexData();
}
