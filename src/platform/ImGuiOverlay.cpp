#include "platform/ImGuiOverlay.h"

#include <backends/imgui_impl_sdl.h>
#include <imgui_internal.h>

#include <algorithm>
#include <utility>

#include "imgui_impl_sdlrenderer.h"
#include "platform/GameMenus.h"
#include "platform/MenuGlyphs.h"
#include "platform/MenuStyle.h"
#include "platform/NoticeStack.h"
#include "platform/RacePanel.h"
#include "platform/PhysicalKeys.h"
#include "platform/TtfText.h"
#include "platform/WatchBanner.h"

namespace {

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

bool IsPadEvent(Uint32 type) {
  return type == SDL_CONTROLLERBUTTONDOWN || type == SDL_CONTROLLERBUTTONUP || type == SDL_CONTROLLERAXISMOTION;
}

bool IsAlt(SDL_Keycode key) { return key == SDLK_LALT || key == SDLK_RALT; }

// Enter chooses the item the keyboard is on, as Space does.
void EnterActivates(ImGuiIO& io) {
  if (io.KeysDown[SDL_SCANCODE_RETURN] || io.KeysDown[SDL_SCANCODE_KP_ENTER]) {
    io.NavInputs[ImGuiNavInput_Activate] = 1.0f;
  }
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
  ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard | ImGuiConfigFlags_NavEnableGamepad;
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
  const bool key = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
  if (key && menus_->DialogOpen()) {
    const SDL_Keycode sym = e.key.keysym.sym;
    const DialogKey dialogKey = DialogKeyFor(sym);
    const bool closing = dialogKey == DialogKey::Enter || dialogKey == DialogKey::Escape;
    if (e.type == SDL_KEYUP || (!closing && menus_->DialogNavigable())) FeedKey(e);
    if (e.type == SDL_KEYDOWN) menus_->DialogKeyDown(dialogKey, PhysicalKeyName(sym));
    return true;
  }
  if (key && TakeMenuBarKey(e)) return true;
  if (key && (menus_->MenuOpen() || e.type == SDL_KEYUP)) {
    FeedKey(e);
    // A key let go reaches the game too, which may have seen it pressed.
    return e.type == SDL_KEYDOWN;
  }
  if (IsPadEvent(e.type)) {
    // The menus follow the pads themselves; while they are open the game
    // sees none of them.
    if (e.type == SDL_CONTROLLERBUTTONDOWN && e.cbutton.button == SDL_CONTROLLER_BUTTON_BACK &&
        !menus_->DialogOpen()) {
      menus_->ToggleMenuBar();
    }
    return menus_->MenuOpen() || menus_->DialogOpen();
  }
  // What is typed goes to a dialog's text field.
  if (e.type == SDL_TEXTINPUT && menus_->DialogOpen()) {
    ImGui_ImplSDL2_ProcessEvent(&e);
    return true;
  }
  if (key || e.type == SDL_TEXTINPUT) return false;
  ImGui_ImplSDL2_ProcessEvent(&e);
  // The game has no use for the mouse; taking it makes the next frame show
  // the menus' answer to it.
  return IsMouseEvent(e.type);
}

bool ImGuiOverlay::TakeMenuBarKey(const SDL_Event& e) {
  const SDL_Keycode sym = e.key.keysym.sym;
  if (sym == SDLK_F10) {
    if (e.type == SDL_KEYDOWN && !e.key.repeat) menus_->ToggleMenuBar();
    return true;
  }
  if (!IsAlt(sym) || menus_->BoundToGame(PhysicalKeyName(sym))) {
    if (e.type == SDL_KEYDOWN) altAlone_ = false;
    return false;
  }
  // Alt pressed and let go with no other key between.
  if (e.type == SDL_KEYDOWN && !e.key.repeat) altAlone_ = true;
  if (e.type == SDL_KEYUP && altAlone_) menus_->ToggleMenuBar();
  if (e.type == SDL_KEYUP) altAlone_ = false;
  return true;
}

void ImGuiOverlay::FeedKey(const SDL_Event& e) {
  // A key let go before a frame saw it pressed is let go after that frame,
  // so that a quick tap still moves or chooses.
  const SDL_Scancode code = e.key.keysym.scancode;
  if (e.type == SDL_KEYDOWN) {
    pressedSinceFrame_.push_back(code);
  } else if (std::find(pressedSinceFrame_.begin(), pressedSinceFrame_.end(), code) != pressedSinceFrame_.end()) {
    lateReleases_.push_back(e);
    return;
  }
  ImGui_ImplSDL2_ProcessEvent(&e);
}

bool ImGuiOverlay::HoldsGame() const { return ready_ && menus_->HoldsGame(); }

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
  EnterActivates(ImGui::GetIO());
  ImGui::NewFrame();
  menus_->Draw(viewport);
  if (banner_) banner_->Draw(viewport);
  if (racePanel_) racePanel_->Draw(viewport);
  if (notices_) notices_->Draw(viewport, static_cast<std::int64_t>(SDL_GetTicks64()));
  wantsFrames_ = (notices_ && notices_->Showing()) || menus_->DialogOpen() || menus_->HoldsGame() ||
                 !lateReleases_.empty() || ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) ||
                 ImGui::IsAnyItemActive() || ImGui::IsPopupOpen(nullptr, ImGuiPopupFlags_AnyPopupId);
  ImGui::Render();
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  // Once the font texture is made, the font file (6 MB) and the atlas'
  // pixels are not needed; a rescale loads the file again.
  ImGui::GetIO().Fonts->ClearInputData();
  ImGui::GetIO().Fonts->ClearTexData();
  pressedSinceFrame_.clear();
  for (const SDL_Event& e : std::exchange(lateReleases_, {})) ImGui_ImplSDL2_ProcessEvent(&e);
}
