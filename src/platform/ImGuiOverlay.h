#pragma once

#include <functional>

#include "platform/FrameOverlay.h"

// Dear ImGui over the game's picture, through SDL_Renderer. The menu bar and
// the settings dialogs are drawn by the function given to SetDrawer, called
// once per presented frame between ImGui's NewFrame and Render.
class ImGuiOverlay : public FrameOverlay {
 public:
  ImGuiOverlay() = default;
  ~ImGuiOverlay() override;
  ImGuiOverlay(const ImGuiOverlay&) = delete;
  ImGuiOverlay& operator=(const ImGuiOverlay&) = delete;

  void Init(SDL_Window* window, SDL_Renderer* renderer);
  void SetDrawer(std::function<void(const Viewport&)> drawer) { drawer_ = std::move(drawer); }

  bool HandleEvent(const SDL_Event& e) override;
  void Draw(SDL_Renderer* renderer, const Viewport& viewport) override;
  bool WantsFrames() const override { return wantsFrames_; }

 private:
  bool ready_ = false;
  bool wantsFrames_ = false;
  std::function<void(const Viewport&)> drawer_;
};
