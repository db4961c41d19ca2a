// The page's door to the game it shows (web/play.js calls these). Every
// number is checked before it reaches the game; a refused call does nothing
// (web/PageCalls.h).
#include <emscripten/emscripten.h>

#include <limits>
#include <string>

#include "base/ClockSeed.h"
#include "game/Events.h"
#include "game/SliderRange.h"
#include "host/replay/Replay.h"
#include "host/settings/SliderOpening.h"
#include "host/text/RecordCaptions.h"
#include "state/Game.h"
#include "state/StageNumbers.h"
#include "web/PageCalls.h"
#include "web/PageCodes.h"
#include "web/PageGame.h"
#include "web/PagePadLayout.h"

namespace {

std::string trouble;
std::string banner;

constexpr int kLastMenuCommand = static_cast<int>(MenuCommand::Exit);
constexpr int kLastWatchControl = static_cast<int>(WatchControl::Stop);
constexpr double kMaxSeed = std::numeric_limits<std::uint32_t>::max();
constexpr double kStickEnd = 1;

bool CheckSlider(int slider) { return CheckRange("slider", slider, 0, kSliderCount - 1); }

// What the slider's dialog shows as it opens, as the desktop's does.
SliderShown Opening(PagePlay& game, int slider) {
  return SliderOnOpening(game.State(), static_cast<SliderId>(slider), game.Settings().Shown().ClassicDialogs);
}

}  // namespace

extern "C" {

// Starts the game, with the seed given (seeded) or else the clock's; 0 when
// velmorane_play_trouble says why.
EMSCRIPTEN_KEEPALIVE int velmorane_play_start(int seeded, double seed, int stage, const char* replay,
                                             const char* name, double now, int language) {
  const auto clock = CheckedClock(now);
  if (!clock || !CheckRange("seeded", seeded, 0, 1) || (seeded && !CheckWhole("seed", seed, 0, kMaxSeed)) ||
      !CheckRange("stage", stage, kFirstStage, kLastStage) || !CheckText("the recording", replay) ||
      !CheckText("the recording's name", name) || !CheckRange("language", language, kLanguageUnset, kEnglishCode)) {
    return 0;
  }
  PageStart how;
  how.Seed = seeded ? static_cast<std::uint32_t>(seed) : MillisecondsSinceMidnightUtc();
  how.Stage = stage;
  how.ReplayText = replay;
  how.Name = name;
  how.Overrides.LanguageSet = language != kLanguageUnset;
  how.Overrides.Lang = language == kEnglishCode ? Language::English : Language::Japanese;
  return StartPageGame(how, *clock, trouble) ? 1 : 0;
}

// Runs what is due by now; returns when to call again (milliseconds on the
// same clock), or kNoWake when only an event can wake the game.
EMSCRIPTEN_KEEPALIVE double velmorane_play_step(double now) {
  PagePlay* game = StartedGame();
  const auto clock = CheckedClock(now);
  if (!game || !clock) return kNoWake;
  game->Step(*clock);
  const auto wake = game->NextWake();
  return wake ? static_cast<double>(*wake) : kNoWake;
}

// A key of the keyboard by its name in the settings.
EMSCRIPTEN_KEEPALIVE void velmorane_play_key(int down, int repeat, const char* name) {
  PagePlay* game = StartedGame();
  if (game && CheckRange("down", down, 0, 1) && CheckRange("repeat", repeat, 0, 1) && CheckText("the key", name)) {
    game->KeyChanged(down != 0, repeat != 0, name);
  }
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_menu(int command) {
  PagePlay* game = StartedGame();
  if (game && CheckRange("menu command", command, 0, kLastMenuCommand)) {
    game->Submit(Event::MenuChoice(static_cast<MenuCommand>(command)));
  }
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_slider(int slider, int value) {
  PagePlay* game = StartedGame();
  if (game && CheckSlider(slider) && CheckRange("slider position", value, 0, SliderMax(static_cast<SliderId>(slider)))) {
    game->Submit(Event::SliderMove(static_cast<SliderId>(slider), value));
  }
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_activate() {
  if (PagePlay* game = StartedGame()) game->Submit(Event::Activation());
}
EMSCRIPTEN_KEEPALIVE void velmorane_play_tune_ended() {
  if (PagePlay* game = StartedGame()) game->TuneEnded();
}

// Pads by the browser's numbers, their buttons and axes by the Gamepad API's
// standard layout.
EMSCRIPTEN_KEEPALIVE void velmorane_pad_plugged(int pad) {
  PagePlay* game = StartedGame();
  if (game && CheckRange("pad", pad, 0, kLastPadIndex)) game->PadPlugged(pad);
}
EMSCRIPTEN_KEEPALIVE void velmorane_pad_unplugged(int pad) {
  PagePlay* game = StartedGame();
  if (game && CheckRange("pad", pad, 0, kLastPadIndex)) game->PadUnplugged(pad);
}
EMSCRIPTEN_KEEPALIVE void velmorane_pad_button(int pad, int number, int pressed) {
  PagePlay* game = StartedGame();
  if (!game || !CheckRange("pad", pad, 0, kLastPadIndex) || !CheckRange("pressed", pressed, 0, 1)) return;
  const auto button = PadButtonOf(number);
  if (!button) {
    RefuseCall("button " + std::to_string(number) + " is not one the game plays with");
    return;
  }
  game->PadButton(pad, *button, pressed != 0);
}
EMSCRIPTEN_KEEPALIVE void velmorane_pad_axis(int pad, int number, double position) {
  PagePlay* game = StartedGame();
  if (!game || !CheckRange("pad", pad, 0, kLastPadIndex) || !CheckBetween("stick", position, -kStickEnd, kStickEnd)) {
    return;
  }
  const auto axis = PadAxisOf(number);
  if (!axis) {
    RefuseCall("axis " + std::to_string(number) + " is not one the game plays with");
    return;
  }
  game->PadAxis(pad, *axis, StickValue(position));
}

// The slider position and label the page's dialog opens with.
EMSCRIPTEN_KEEPALIVE int velmorane_play_slider_position(int slider) {
  PagePlay* game = StartedGame();
  if (!game || !CheckSlider(slider)) return 0;
  return Opening(*game, slider).Position;
}
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_slider_label(int slider) {
  static std::string label;
  PagePlay* game = StartedGame();
  if (!game || !CheckSlider(slider)) return "";
  label = Opening(*game, slider).Label;
  return label.c_str();
}

// Whether a menu or a dialog that holds the game still is open (1) or not
// (0): the game waits while one is.
EMSCRIPTEN_KEEPALIVE void velmorane_play_dialogs(int open) {
  PagePlay* game = StartedGame();
  if (game && CheckRange("open", open, 0, 1)) game->FollowDialogs(open != 0);
}

// The client area as RGBA bytes, shared.clientWidth × shared.clientHeight.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* velmorane_play_picture() {
  PagePlay* game = StartedGame();
  return game ? game->Picture().data() : nullptr;
}

// What the watcher does with the recording playing (shared.watch names the
// controls), at the page's clock now.
EMSCRIPTEN_KEEPALIVE void velmorane_play_watch(int control, double now) {
  PagePlay* game = StartedGame();
  const auto clock = CheckedClock(now);
  if (game && clock && CheckRange("watch control", control, 0, kLastWatchControl)) {
    game->ControlWatch(static_cast<WatchControl>(control), *clock);
  }
}
// The banner's line while a recording plays, in the settings' language; ""
// when none plays.
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_watching() {
  PagePlay* game = StartedGame();
  const auto progress = game ? game->Watched() : std::nullopt;
  if (!progress) return "";
  banner = WatchingCaption(progress->PlayedMs, progress->TotalMs, progress->Paused,
                           RecordCaptionsIn(game->Settings().Shown().Lang));
  return banner.c_str();
}

EMSCRIPTEN_KEEPALIVE int velmorane_play_closed() {
  PagePlay* game = StartedGame();
  return !game || game->Closed() ? 1 : 0;
}
// Why the game could not start, or why it stopped; "" when it did not.
EMSCRIPTEN_KEEPALIVE const char* velmorane_play_trouble() {
  PagePlay* game = ThePageGame();
  if (game && !game->Trouble().empty()) trouble = game->Trouble();
  return trouble.c_str();
}

}  // extern "C"
