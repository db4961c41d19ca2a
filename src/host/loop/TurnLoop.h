#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "game/Events.h"
#include "host/loop/ReplayPacer.h"
#include "host/loop/TimerSchedule.h"
#include "host/replay/Replay.h"
#include "host/settings/KeyBindings.h"
#include "host/settings/PadKeys.h"

struct Game;

// What the watcher of a recording may do with it.
enum class WatchControl { Pause, SkipAhead, Stop };

// How far a recording being watched has played (host/loop/ReplayPacer.h).
struct WatchProgress {
  std::int64_t PlayedMs = 0;
  std::int64_t TotalMs = 0;
  bool Paused = false;
};

// How much recorded time a skip ahead plays at once.
constexpr std::int64_t kSkipAheadMs = 10000;

// The one loop every host drives (the window, the page): what the player
// does waits its turn in a queue and reaches the game in order, between the
// timers' ticks, which fire on the host's millisecond clock. A recording
// being watched plays at its real pace first, and the player's own input is
// ignored until it ends; the watcher may pause it, skip ahead or stop it, and
// nothing of it reaches the observer (the records). While the start jingle holds the game no timer
// fires and input waits; afterwards every timer counts again from the end of
// the hold.
//
// The game reads its held keys at a timer's tick, so a tap shorter than a
// tick would pass unseen: a key's release waits, with the input behind it,
// until a tick has come since its press. On the title, Enter and Space start
// the games whatever the keys are bound to.
//
// The host turns its own events (SDL's, the browser's) into the calls below,
// runs Turn whenever NextWake has come or input arrived, and keeps drawing,
// sound and files to itself.
class TurnLoop {
 public:
  // observer, if given, sees every event that reaches the game.
  TurnLoop(Game& g, EventObserver* observer) : g_(g), observer_(observer) {}
  TurnLoop(const TurnLoop&) = delete;
  TurnLoop& operator=(const TurnLoop&) = delete;

  // Which game key (or the mute switch, which mute serves) each key of the
  // keyboard gives; the default keys until this is called.
  void UseKeys(const KeyBindings& keys, std::function<void()> mute);
  // A recording to play before the keyboard takes over; name is the file's,
  // for the message when a step cannot run.
  void PlayReplay(ReplayScript script, std::string name);
  bool Replaying() const { return replay_.has_value(); }
  // The recording's progress while it plays.
  std::optional<WatchProgress> Watched() const;
  // Pause switches between paused and playing; SkipAhead plays the next
  // kSkipAheadMs of the recording at once; Stop ends the watching at the next
  // turn, which drops the waiting input and has the host start a new game
  // through afresh (see OnWatchStopped). Nothing while no recording plays.
  void ControlWatch(WatchControl control, std::int64_t now);
  // What starts the game anew once the watching is stopped; the observer
  // sees the game's events again from then on.
  void OnWatchStopped(std::function<void()> afresh) { afresh_ = std::move(afresh); }
  // A stop asked for and not yet carried out.
  bool StopAsked() const { return stopAsked_; }
  // The clock starts (again, for a new game): the timers and the
  // recording's rhythm count from now.
  void Begin(std::int64_t now);

  // A key of the keyboard by its name in the settings, as the player's key
  // bindings take it; a held key repeats its press.
  void KeyChanged(bool down, bool repeat, std::string_view keyName);
  // The keys that pads' buttons and sticks stand for.
  void PadKeysChanged(const std::vector<pad::KeyChange>& changes);
  // A menu choice, a slider's move or the window's focus.
  void Submit(const Event& e);
  // From now on what the player does (keys, pads, menus, sliders, focus)
  // is offered to divert first, and reaches the game only when divert does
  // not take it, until called with nothing: an online race takes it to the
  // race's turns.
  void DivertInput(std::function<bool(const Event&)> divert) { divert_ = std::move(divert); }
  // The tune playing came to its end.
  void TuneEnded();

  // The game is held for ms of the clock from now (a timed jingle).
  void HoldFor(std::int64_t ms);
  // A hold that blocked the host (the window waits on the sound) is over.
  void HoldEnded(std::int64_t now);
  bool Held() const { return holdUntil_.has_value(); }

  // Delivers the waiting input, then fires the timers due by now or plays
  // the recording's steps that have come due.
  void Turn(std::int64_t now);
  // When Turn has something to do next; empty when only input can wake it.
  std::optional<std::int64_t> NextWake() const;
  // Whether input waits that Turn would deliver now.
  bool HasInput() const { return !pending_.empty() && !ReleaseWaits(); }
  // The game closed itself, or a recorded step could not run.
  bool Closed() const;
  // A recorded step that could not run, as "NAME:LINE: what is wrong".
  const std::string& Trouble() const { return trouble_; }
  // Whether anything reached the game since the last call.
  bool TakeChanged();

 private:
  // A game input waiting its turn: an event for Dispatch, or a tune's end.
  struct Pending {
    bool TuneEnded = false;
    Event Input;
  };

  bool Stopped() const { return Closed() || Held() || stopAsked_; }
  int TargetOfKey(bool down, bool repeat, std::string_view keyName);
  bool ReleaseWaits() const;
  void DeliverInput();
  void Deliver(const Pending& p);
  void Send(const Event& e);
  void FireDueTimers();
  void StepReplay();
  void EndWatching();

  Game& g_;
  EventObserver* observer_;
  const KeyBindings* keys_ = &kDefaultKeys;
  std::function<void()> mute_;
  static const KeyBindings kDefaultKeys;

  TimerSchedule schedule_;
  std::deque<Pending> pending_;
  // The game key each held key of the keyboard gave when pressed, so that its
  // release lets go of the same one.
  std::map<std::string, int, std::less<>> heldTargets_;
  // Game keys pressed since the last tick, which has not seen them yet.
  std::set<int> unseenPresses_;
  std::int64_t now_ = 0;
  std::optional<std::int64_t> holdUntil_;
  std::optional<ReplayPacer> replay_;
  std::string replayName_;
  // Set from the start of a watching until it is stopped, even when the
  // recording ran to its end and the keys took over the game it left.
  bool watching_ = false;
  bool stopAsked_ = false;
  std::function<void()> afresh_;
  std::function<bool(const Event&)> divert_;
  std::string trouble_;
  bool changed_ = true;
};
