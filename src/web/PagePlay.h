#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Events.h"
#include "host/io/TimedMusic.h"
#include "host/loop/DialogPause.h"
#include "host/loop/GameHold.h"
#include "host/loop/TurnLoop.h"
#include "host/records/RecordKeeper.h"
#include "host/records/RunRecords.h"
#include "host/replay/Replay.h"
#include "host/settings/PadKeys.h"
#include "host/settings/Settings.h"
#include "host/settings/SettingsInUse.h"
#include "host/settings/SettingsStore.h"
#include "host/text/GlyphText.h"
#include "state/Services.h"
#include "web/PageSound.h"

struct Game;

// How the page starts the game.
struct PageStart {
  std::uint32_t Seed = 0;
  int Stage = 1;
  // A recording to watch (its text, named Name in messages), or "".
  std::string ReplayText;
  std::string Name;
  SettingsOverrides Overrides;
};

// The game running in the page on the page's millisecond clock. The page
// calls Step whenever the clock has reached NextWake (or sooner) and passes
// keys, menu choices, slider moves, focus and the end of a tune with Submit
// and TuneEnded; everything reaches the game in order, between timer ticks,
// as in the desktop's window.
//
// The start jingle holds the game without blocking the page: the browser
// cannot wait inside an event handler, and nothing the game does after the
// jingle's play depends on time having passed, only on no event coming in
// between. So the play returns at once, and the hold is kept here: until it
// ends no timer fires and the page's events wait in the queue; then every
// timer counts again from the end of the hold.
class PagePlay : public GameHold, public Presenter {
 public:
  PagePlay();
  ~PagePlay() override;
  PagePlay(const PagePlay&) = delete;
  PagePlay& operator=(const PagePlay&) = delete;

  // Sets the game up with the settings and records under the page's home
  // and shows the title; with a recording plays it at its own pace, after
  // which the keys take over (a recording being watched leaves no records;
  // stopped, it gives way to a new game, which does).
  // Otherwise the stored speed and brightness reach the game first, so the
  // game's recording begins with them. False with one line saying what is
  // wrong.
  bool Start(const PageStart& how, std::int64_t now, std::string& error);
  void Step(std::int64_t now);
  // When Step has something to do next; empty when only the page can wake it.
  std::optional<std::int64_t> NextWake() const { return loop_.NextWake(); }
  // An event of the page's controls; ignored while a recording plays.
  void Submit(const Event& e) { loop_.Submit(e); }
  void TuneEnded();
  // A key of the keyboard, by its name in the settings (PhysicalKeyNames),
  // as the player's key bindings take it; a held key repeats its press.
  // Ignored while a recording plays.
  void KeyChanged(bool down, bool repeat, std::string_view keyName) { loop_.KeyChanged(down, repeat, keyName); }
  // Pads, numbered as the page's Gamepad API numbers them, play as the
  // desktop's pads do (host/settings/PadKeys.h).
  void PadPlugged(int pad) { pads_.Plugged(pad); }
  void PadUnplugged(int pad) { loop_.PadKeysChanged(pads_.Unplugged(pad)); }
  void PadButton(int pad, pad::Button button, bool pressed) {
    loop_.PadKeysChanged(pads_.ButtonChanged(pad, button, pressed));
  }
  void PadAxis(int pad, pad::Axis axis, int value) { loop_.PadKeysChanged(pads_.AxisMoved(pad, axis, value)); }

  // Whether the page shows a menu or a dialog that holds the game still.
  void FollowDialogs(bool open) { dialogPause_.Follow(open); }
  // The recording's progress while it plays; what the watcher does with it.
  std::optional<WatchProgress> Watched() const { return loop_.Watched(); }
  void ControlWatch(WatchControl control, std::int64_t now) { loop_.ControlWatch(control, now); }

  bool Closed() const { return loop_.Closed(); }
  // A recording's step that could not run, as "NAME:LINE: what is wrong".
  const std::string& Trouble() const { return loop_.Trouble(); }
  // The client area as RGBA bytes, composed again if it changed.
  const std::vector<std::uint8_t>& Picture();
  const Game& State() const { return *g_; }
  SettingsInUse& Settings() { return *settings_; }
  // The records under the page's home; none while a recording is watched.
  RunRecords* Records() { return loop_.Replaying() ? nullptr : records_.get(); }

  // Tunes here are timed (TimedMusic), which holds the game through
  // AdvanceVirtualClock; nothing asks to wait on a condition.
  void HoldFor(const std::function<bool()>&) override {}
  void AdvanceVirtualClock(std::int64_t ms) override { loop_.HoldFor(ms); }
  void Repaint() override { dirty_ = true; }

 private:
  // The records begin a recording of the game, which takes the remembered
  // speed and brightness first.
  void BeginOwnGame(const ReplayStart& start);

  std::unique_ptr<Game> g_;
  GlyphText glyphs_;
  PageTunes tunes_;
  PageEffects effects_;
  TimedMusic music_;
  SettingsStore store_;
  std::optional<SettingsInUse> settings_;
  std::unique_ptr<RunRecords> records_;
  // Writes every event into the game's recording and enters finished games
  // in the table of the best ten, as the desktop's records do.
  RecordKeeper keeper_;
  pad::PadKeys pads_;
  // Declared after the records' keeper, which it hands every event.
  TurnLoop loop_;
  DialogPause dialogPause_;

  bool dirty_ = true;
  std::vector<std::uint8_t> picture_;
};
