#include "platform/WindowRun.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <iostream>

#include "base/PictureName.h"
#include "drawing/ClientArea.h"
#include "drawing/PaletteTags.h"
#include "host/io/Notices.h"
#include "host/io/StartupTrace.h"
#include "platform/MusicEndedEvent.h"
#include "platform/PhysicalKeys.h"
#include "platform/Screenshot.h"
#include "state/Game.h"

namespace {

constexpr int kHoldPollMs = 10;
constexpr int kOverlayFrameMs = 16;

// The usable area of the display the window is on (the first before there
// is a window); none when SDL cannot tell.
ScreenArea UsableAreaOf(SDL_Window* window) {
  const int display = window ? std::max(0, SDL_GetWindowDisplayIndex(window)) : 0;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return {};
  return {usable.x, usable.y, usable.w, usable.h};
}

}  // namespace

WindowRun::~WindowRun() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool WindowRun::Open(std::string& error, int scale, bool fullScreen) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error = std::string("cannot start the video system: ") + SDL_GetError();
    return false;
  }
  RegisterMusicEndedEvent();
  pads_.Open();
  int minW = 0, minH = 0;
  CanvasWindowSize(1, minW, minH);
  scale_ = scale;
  const WindowPlace place = PlaceWindow(scale, UsableAreaOf(nullptr));
  window_ = SDL_CreateWindow("VELMORANE", place.X, place.Y, place.Width, place.Height, SDL_WINDOW_RESIZABLE);
  if (window_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (renderer_) {
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kClientWidth,
                                 kClientHeight);
  }
  if (!texture_) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  SDL_SetWindowMinimumSize(window_, minW, minH);
  if (fullScreen) SetFullScreen(true);
  return true;
}

void WindowRun::SetScale(int scale) {
  scale_ = scale;
  const WindowPlace place = PlaceWindow(scale, UsableAreaOf(window_));
  SDL_SetWindowSize(window_, place.Width, place.Height);
  SDL_SetWindowPosition(window_, place.X, place.Y);
  dirty_ = true;
}

ScreenArea WindowRun::UsableArea() const { return UsableAreaOf(window_); }

void WindowRun::SetFullScreen(bool full) {
  ::SetFullScreen(window_, full, PlaceWindow(scale_, UsableAreaOf(window_)));
  dirty_ = true;
}

bool WindowRun::FullScreen() const { return IsFullScreen(window_); }

std::int64_t WindowRun::Now() { return static_cast<std::int64_t>(SDL_GetTicks64()); }

std::int64_t WindowRun::Elapsed() const { return Now() - start_; }

bool WindowRun::Run() {
  start_ = Now();
  loop_.Begin(start_);
  while (!loop_.Closed()) {
    if (beforeTurn_) beforeTurn_();
    const std::int64_t now = Now();
    if (race_) race_->Turn(now);
    if (!race_ || !race_->Begun()) loop_.Turn(now);
    if (loop_.TakeChanged()) dirty_ = true;
    if (afterEvents_) afterEvents_();
    if (loop_.Closed()) break;
    if (dirty_ || NoticesWaiting() || (overlay_ && overlay_->WantsFrames())) Present();
    WaitForInput(now);
  }
  return loop_.Trouble().empty();
}

void WindowRun::WaitForInput(std::int64_t now) {
  if (loop_.HasInput()) return;
  std::optional<std::int64_t> wake = loop_.NextWake();
  if (race_) wake = race_->Begun() ? race_->NextWake(now) : std::min(wake.value_or(LLONG_MAX), race_->NextWake(now));
  if (overlay_ && overlay_->WantsFrames()) wake = std::min(wake.value_or(LLONG_MAX), now + kOverlayFrameMs);
  SDL_Event e;
  int got = 0;
  if (wake) {
    const std::int64_t ms = std::clamp<std::int64_t>(*wake - Now(), 0, INT_MAX);
    got = ms == 0 ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, static_cast<int>(ms));
  } else {
    got = SDL_WaitEvent(&e);
  }
  if (!got) return;
  Enqueue(e);
  while (SDL_PollEvent(&e)) Enqueue(e);
}

void WindowRun::Enqueue(const SDL_Event& e) {
  if (e.type == SDL_QUIT) {
    g_.CloseRequested = true;
    return;
  }
  if (MusicEndedEventType() != 0 && e.type == MusicEndedEventType()) {
    if (race_ && race_->Begun()) race_->Turns().TuneEnded();
    else loop_.TuneEnded();
    return;
  }
  if (fullscreen_.Take(e)) {
    if (overlay_) overlay_->KeyTakenByWindow();
    return;
  }
  if (overlay_ && overlay_->HandleEvent(e)) {
    dirty_ = true;
    return;
  }
  // Pads are followed during a replay too, so their held keys stay known.
  loop_.PadKeysChanged(pads_.KeyChangesFor(e));
  if (e.type == SDL_WINDOWEVENT) {
    dirty_ = true;
    if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) loop_.Submit(Event::Activation());
    return;
  }
  if (ControlWatch(e)) return;
  if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F12) {
    if (!e.key.repeat) SavePicture();
    return;
  }
  if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
    loop_.KeyChanged(e.type == SDL_KEYDOWN, e.key.repeat != 0, PhysicalKeyName(e.key.keysym.sym));
  }
}

void WindowRun::PlayRace(OnlineRace* race, std::function<bool(const Event&)> divert) {
  race_ = race;
  loop_.DivertInput(race ? std::move(divert) : nullptr);
  if (!race) Restart();
}

void WindowRun::Restart() {
  dialogPause_.Forget();
  loop_.Begin(Now());
  dirty_ = true;
}

void WindowRun::AdvanceVirtualClock(std::int64_t ms) {
  if (race_) race_->Turns().AdvanceVirtualClock(ms);
}

void WindowRun::Watch(const ReplayScript& script, const std::string& name) {
  loop_.PlayReplay(script, name);
  loop_.Begin(Now());
  dirty_ = true;
}

bool WindowRun::ControlWatch(const SDL_Event& e) {
  if (e.type != SDL_KEYDOWN || !loop_.Replaying()) return false;
  WatchControl control;
  switch (e.key.keysym.sym) {
    case SDLK_p: control = WatchControl::Pause; break;
    case SDLK_RIGHT: control = WatchControl::SkipAhead; break;
    case SDLK_ESCAPE: control = WatchControl::Stop; break;
    default: return false;
  }
  if (!e.key.repeat) loop_.ControlWatch(control, Now());
  dirty_ = true;
  return true;
}

// A stop of the watching ends the hold at once: the game held is given up.
void WindowRun::HoldFor(const std::function<bool()>& finished) {
  while (!finished() && !g_.CloseRequested && !loop_.StopAsked()) {
    if (dirty_ || (overlay_ && overlay_->WantsFrames())) Present();
    SDL_Event e;
    if (!SDL_WaitEventTimeout(&e, kHoldPollMs)) continue;
    Enqueue(e);
    while (SDL_PollEvent(&e)) Enqueue(e);
  }
  loop_.HoldEnded(Now());
}

void WindowRun::SavePicture() {
  const auto notSaved = [](const std::string& why) {
    std::cerr << "velmorane: no picture saved: " << why << '\n';
    TellNotice({Notice::Kind::PictureNotSaved, why, 0});
  };
  if (picturesFolder_.empty()) {
    notSaved("this run keeps no records");
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(picturesFolder_, ec);
  const std::string file = FreePictureName(picturesFolder_, std::chrono::system_clock::now());
  Surface shown;
  ComposeShownClientArea(g_, shown);
  std::string error;
  if (ec) {
    notSaved(picturesFolder_ + ": " + ec.message());
  } else if (!SavePng(shown, file, error)) {
    notSaved(error);
  } else {
    std::cerr << "velmorane: picture saved as " << file << '\n';
    TellNotice({Notice::Kind::PictureSaved, file, 0});
  }
}

void WindowRun::Present() {
  ComposeClientArea(g_, picture_);
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
    ResolvePaletteTags(picture_, g_.DuoPalette, static_cast<Pixel*>(pixels), pitch / static_cast<int>(sizeof(Pixel)));
    SDL_UnlockTexture(texture_);
  }
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  const Viewport v = FitCanvas(w, h);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect menuStrip{v.X, v.Y, kClientWidth * v.Scale, kMenuBarHeight * v.Scale};
  SDL_SetRenderDrawColor(renderer_, (kFaceColour >> 16) & 0xFF, (kFaceColour >> 8) & 0xFF, kFaceColour & 0xFF, 255);
  SDL_RenderFillRect(renderer_, &menuStrip);
  const SDL_Rect client{v.ClientX, v.ClientY, kClientWidth * v.Scale, kClientHeight * v.Scale};
  SDL_RenderCopy(renderer_, texture_, nullptr, &client);
  if (overlay_) {
    overlay_->Draw(renderer_, v);
    dialogPause_.Follow(overlay_->HoldsGame() && !PlaysRace());
  }
  SDL_RenderPresent(renderer_);
  NoteFirstPicture();
  dirty_ = false;
}
