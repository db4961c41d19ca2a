#pragma once

#include <vector>

#include <imgui.h>

#include "platform/FrameOverlay.h"

class GameMenus;
class NoticeStack;
class RacePanel;
class WatchBanner;

// Dear ImGui over the game's picture, through SDL_Renderer: the menu bar and
// the settings dialogs of GameMenus, in IPA P Gothic with the glyphs of the
// captions, at the window's whole-number scale. While a dialog or a menu is
// open every key goes to it and none to the game; the mouse serves only the
// menus. F10, Alt alone or a pad's Back button drops the Game menu down; the
// arrows (or the pad) move, Enter chooses and Escape closes.
class ImGuiOverlay : public FrameOverlay {
 public:
  ImGuiOverlay() = default;
  ~ImGuiOverlay() override;
  ImGuiOverlay(const ImGuiOverlay&) = delete;
  ImGuiOverlay& operator=(const ImGuiOverlay&) = delete;

  void Init(SDL_Window* window, SDL_Renderer* renderer, GameMenus& menus);
  // Also draws the banner of a recording being watched.
  void AddBanner(WatchBanner* banner) { banner_ = banner; }
  // And the notices.
  void AddNotices(NoticeStack* notices) { notices_ = notices; }
  // And an online race's lines over the side panel.
  void AddRacePanel(RacePanel* panel) { racePanel_ = panel; }

  bool HandleEvent(const SDL_Event& e) override;
  // Alt held for Alt+Enter is not Alt alone.
  void KeyTakenByWindow() override { altAlone_ = false; }
  void Draw(SDL_Renderer* renderer, const Viewport& viewport) override;
  bool WantsFrames() const override { return wantsFrames_; }
  bool HoldsGame() const override;

 private:
  // Fonts and sizes for a new window scale.
  void Rescale(int scale);
  // F10 and Alt alone open or close the menus; true when e was one.
  bool TakeMenuBarKey(const SDL_Event& e);
  // A key for the menus' or dialogs' keyboard moves.
  void FeedKey(const SDL_Event& e);

  bool ready_ = false;
  bool wantsFrames_ = false;
  int scale_ = 0;
  GameMenus* menus_ = nullptr;
  WatchBanner* banner_ = nullptr;
  NoticeStack* notices_ = nullptr;
  RacePanel* racePanel_ = nullptr;
  ImGuiStyle baseStyle_;
  ImVector<ImWchar> glyphs_;
  bool altAlone_ = false;
  std::vector<SDL_Scancode> pressedSinceFrame_;
  std::vector<SDL_Event> lateReleases_;
};
