// The page's door to the game it shows (web/play.js calls these).
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "game/Events.h"
#include "state/Game.h"
#include "web/PagePlay.h"

namespace {

std::unique_ptr<PagePlay> play;
std::string trouble;

constexpr int kNoWake = -1;

}  // namespace

extern "C" {

// Starts the game; 0 when velmorane_play_trouble says why.
EMSCRIPTEN_KEEPALIVE int velmorane_play_start(unsigned seed, int stage, const char* replay, const char* name,
                                             double now) {
  play = std::make_unique<PagePlay>();
  if (play->Start(seed, stage, replay, name, static_cast<std::int64_t>(now), trouble)) return 1;
  play.reset();
  return 0;
}

// Runs what is due by now; returns when to call again (milliseconds on the
// same clock), or -1 when only an event can wake the game.
EMSCRIPTEN_KEEPALIVE double velmorane_play_step(double now) {
  play->Step(static_cast<std::int64_t>(now));
  const auto wake = play->NextWake();
  return wake ? static_cast<double>(*wake) : kNoWake;
}

EMSCRIPTEN_KEEPALIVE void velmorane_play_key(int down, int key) {
  play->Submit(down ? Event::KeyDown(key) : Event::KeyUp(key));
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_menu(int command) {
  play->Submit(Event::MenuChoice(static_cast<MenuCommand>(command)));
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_slider(int slider, int value) {
  play->Submit(Event::SliderMove(static_cast<SliderId>(slider), value));
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_activate() { play->Submit(Event::Activation()); }
EMSCRIPTEN_KEEPALIVE void velmorane_play_tune_ended() { play->TuneEnded(); }

EMSCRIPTEN_KEEPALIVE void velmorane_pad_plugged(int pad) { play->PadPlugged(pad); }
EMSCRIPTEN_KEEPALIVE void velmorane_pad_unplugged(int pad) { play->PadUnplugged(pad); }
EMSCRIPTEN_KEEPALIVE void velmorane_pad_button(int pad, int button, int pressed) {
  play->PadButton(pad, static_cast<pad::Button>(button), pressed != 0);
}
EMSCRIPTEN_KEEPALIVE void velmorane_pad_axis(int pad, int axis, int value) {
  play->PadAxis(pad, static_cast<pad::Axis>(axis), value);
}

// The dialog's own slider position, which the page's dialog opens with.
EMSCRIPTEN_KEEPALIVE int velmorane_play_slider_position(int slider) {
  const Game& g = play->State();
  return static_cast<SliderId>(slider) == SliderId::Speed ? g.SpeedDialog.Position : g.BrightnessDialog.Position;
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_play_slider_label(int slider) {
  const Game& g = play->State();
  return (static_cast<SliderId>(slider) == SliderId::Speed ? g.SpeedDialog.Label : g.BrightnessDialog.Label).c_str();
}

// The client area as 744 × 520 RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* velmorane_play_picture() { return play->Picture().data(); }

EMSCRIPTEN_KEEPALIVE int velmorane_play_closed() { return play->Closed() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_trouble() {
  if (play && !play->Trouble().empty()) trouble = play->Trouble();
  return trouble.c_str();
}

}  // extern "C"
