#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <SDL.h>

#include "game/Events.h"
#include "host/loop/DialogPause.h"
#include "host/loop/GameHold.h"
#include "host/loop/TurnLoop.h"
#include "host/race/OnlineRace.h"
#include "host/replay/Replay.h"
#include "host/settings/KeyBindings.h"
#include "platform/FrameOverlay.h"
#include "platform/Fullscreen.h"
#include "platform/Gamepads.h"
#include "platform/WindowScales.h"
#include "state/Services.h"
#include "state/Surface.h"

struct Game;

// The main window: shows the client area and drives the turn loop from the
// monotonic clock with SDL's keys, pads, focus and the music's end; the
// loop fires the timers and plays a replay at its real pace before handing
// over to the keyboard.
class WindowRun : public GameHold, public Presenter {
 public:
  WindowRun(Game& g, EventObserver* observer)
      : g_(g), loop_(g, observer), dialogPause_(g, loop_), fullscreen_([this] { SetFullScreen(!FullScreen()); }) {}
  ~WindowRun() override;
  WindowRun(const WindowRun&) = delete;
  WindowRun& operator=(const WindowRun&) = delete;

  // Opens the window on the screen at a whole scale: that one when it fits
  // the screen's usable area, else (and when scale is 0) the largest that
  // fits; or on the whole screen. False with a one-line reason.
  bool Open(std::string& error, int scale = 0, bool fullScreen = false);
  // The window's size for a scale as Open takes it; full screen or not.
  void SetScale(int scale);
  // The usable area of the screen the window is on.
  ScreenArea UsableArea() const;
  void SetFullScreen(bool full);
  bool FullScreen() const;
  // Which game key (or the mute switch, which mute serves) each key of the
  // keyboard gives; the default keys until this is called.
  void UseKeys(const KeyBindings& keys, std::function<void()> mute) { loop_.UseKeys(keys, std::move(mute)); }
  // Called once the events of a turn of the loop are dispatched.
  void SetAfterEvents(std::function<void()> afterEvents) { afterEvents_ = std::move(afterEvents); }
  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  void SetOverlay(FrameOverlay* overlay) { overlay_ = overlay; }
  // F12 saves the picture shown into this folder (made when missing); no
  // folder, no pictures.
  void SavePicturesIn(std::string folder) { picturesFolder_ = std::move(folder); }
  // The steps to play before the keyboard takes over (user keys are ignored
  // until then); name is the recording's, for messages.
  void PlayReplay(const ReplayScript& script, const std::string& name = "replay") { loop_.PlayReplay(script, name); }
  bool Replaying() const { return loop_.Replaying(); }
  // Starts watching a recording now, in place of the game shown, which the
  // caller has made the recording's new game.
  void Watch(const ReplayScript& script, const std::string& name);
  // While a recording plays: its progress; P, → and Esc pause it, skip
  // ahead and stop it, and then afresh starts a new game.
  std::optional<WatchProgress> Watched() const { return loop_.Watched(); }
  void OnWatchStopped(std::function<void()> afresh) { loop_.OnWatchStopped(std::move(afresh)); }
  // From now on the window follows race (nothing: its own loop again): once
  // the race begins its turns drive the game, and the player's keys, pads,
  // menus and sliders are offered to divert, which hands them to the race.
  void PlayRace(OnlineRace* race, std::function<bool(const Event&)> divert);
  bool PlaysRace() const { return race_ != nullptr && race_->Begun(); }
  // The game the loop drives was replaced: its timers count from now.
  void Restart();
  // Called before each turn of the loop, where the game may be replaced.
  void BeforeTurn(std::function<void()> beforeTurn) { beforeTurn_ = std::move(beforeTurn); }
  // Queues an event from the menus or dialogs; it is dispatched (and
  // recorded) in turn with the keys.
  void Submit(const Event& e) { loop_.Submit(e); }

  // Runs until the window is closed or the game closes it. A replay 'tick'
  // of a timer that is not enabled stops the run: false, with Trouble
  // saying which step.
  bool Run();
  const std::string& Trouble() const { return loop_.Trouble(); }
  // Milliseconds since Run began.
  std::int64_t Elapsed() const;

  void Repaint() override { dirty_ = true; }
  void HoldFor(const std::function<bool()>& finished) override;
  // A race's tunes hold the game on the race's own clock.
  void AdvanceVirtualClock(std::int64_t ms) override;
  bool HoldsForTheTunesLength() const override { return PlaysRace(); }

 private:
  static std::int64_t Now();
  void Enqueue(const SDL_Event& e);
  void WaitForInput(std::int64_t now);
  void Present();
  void SavePicture();
  // A key that controls the watching of a recording; true when it was one.
  bool ControlWatch(const SDL_Event& e);

  Game& g_;
  TurnLoop loop_;
  // The overlay's menus and dialogs hold the game still while open.
  DialogPause dialogPause_;
  FrameOverlay* overlay_ = nullptr;
  std::function<void()> afterEvents_;
  std::function<void()> beforeTurn_;
  FullscreenSwitch fullscreen_;
  OnlineRace* race_ = nullptr;
  // The scale asked for, as Open and SetScale take it.
  int scale_ = 0;
  Gamepads pads_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Surface picture_;
  bool dirty_ = true;
  std::string picturesFolder_;
  std::int64_t start_ = 0;
};
