// The page's door to the game it shows (web/play.js calls these).
#include <emscripten/emscripten.h>

#include <string>

#include "game/Events.h"
#include "state/Game.h"
#include "web/PageGame.h"

namespace {

std::string trouble;
bool started = false;

constexpr int kNoWake = -1;
// The page's language choice: none (the settings' own), Japanese, English.
constexpr int kLanguageUnset = -1;
constexpr int kEnglish = 1;

}  // namespace

extern "C" {

// Starts the game; 0 when velmorane_play_trouble says why.
EMSCRIPTEN_KEEPALIVE int velmorane_play_start(unsigned seed, int stage, const char* replay, const char* name,
                                             double now, int language) {
  PageStart how;
  how.Seed = seed;
  how.Stage = stage;
  how.ReplayText = replay;
  how.Name = name;
  how.Overrides.LanguageSet = language != kLanguageUnset;
  how.Overrides.Lang = language == kEnglish ? Language::English : Language::Japanese;
  started = StartPageGame(how, static_cast<std::int64_t>(now), trouble);
  return started ? 1 : 0;
}

// Runs what is due by now; returns when to call again (milliseconds on the
// same clock), or -1 when only an event can wake the game.
EMSCRIPTEN_KEEPALIVE double velmorane_play_step(double now) {
  ThePageGame().Step(static_cast<std::int64_t>(now));
  const auto wake = ThePageGame().NextWake();
  return wake ? static_cast<double>(*wake) : kNoWake;
}

// A key of the keyboard by its name in the settings.
EMSCRIPTEN_KEEPALIVE void velmorane_play_key(int down, int repeat, const char* name) {
  ThePageGame().KeyChanged(down != 0, repeat != 0, name);
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_menu(int command) {
  ThePageGame().Submit(Event::MenuChoice(static_cast<MenuCommand>(command)));
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_slider(int slider, int value) {
  ThePageGame().Submit(Event::SliderMove(static_cast<SliderId>(slider), value));
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_activate() { ThePageGame().Submit(Event::Activation()); }
EMSCRIPTEN_KEEPALIVE void velmorane_play_tune_ended() { ThePageGame().TuneEnded(); }

EMSCRIPTEN_KEEPALIVE void velmorane_pad_plugged(int pad) { ThePageGame().PadPlugged(pad); }
EMSCRIPTEN_KEEPALIVE void velmorane_pad_unplugged(int pad) { ThePageGame().PadUnplugged(pad); }
EMSCRIPTEN_KEEPALIVE void velmorane_pad_button(int pad, int button, int pressed) {
  ThePageGame().PadButton(pad, static_cast<pad::Button>(button), pressed != 0);
}
EMSCRIPTEN_KEEPALIVE void velmorane_pad_axis(int pad, int axis, int value) {
  ThePageGame().PadAxis(pad, static_cast<pad::Axis>(axis), value);
}

// The dialog's own slider position, which the page's dialog opens with.
EMSCRIPTEN_KEEPALIVE int velmorane_play_slider_position(int slider) {
  const Game& g = ThePageGame().State();
  return static_cast<SliderId>(slider) == SliderId::Speed ? g.SpeedDialog.Position : g.BrightnessDialog.Position;
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_play_slider_label(int slider) {
  const Game& g = ThePageGame().State();
  return (static_cast<SliderId>(slider) == SliderId::Speed ? g.SpeedDialog.Label : g.BrightnessDialog.Label).c_str();
}

// The client area as 744 × 520 RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* velmorane_play_picture() { return ThePageGame().Picture().data(); }

EMSCRIPTEN_KEEPALIVE int velmorane_play_closed() { return ThePageGame().Closed() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_trouble() {
  if (started && !ThePageGame().Trouble().empty()) trouble = ThePageGame().Trouble();
  return trouble.c_str();
}

}  // extern "C"
