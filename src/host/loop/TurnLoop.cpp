#include "host/loop/TurnLoop.h"

#include "base/Trouble.h"
#include "game/MusicNotice.h"
#include "state/Game.h"

const KeyBindings TurnLoop::kDefaultKeys;

void TurnLoop::UseKeys(const KeyBindings& keys, std::function<void()> mute) {
  keys_ = &keys;
  mute_ = std::move(mute);
}

void TurnLoop::PlayReplay(ReplayScript script, std::string name) {
  replay_.emplace(std::move(script));
  replayName_ = std::move(name);
  pending_.clear();
  unseenPresses_.clear();
  watching_ = true;
}

std::optional<WatchProgress> TurnLoop::Watched() const {
  if (!replay_) return std::nullopt;
  return WatchProgress{replay_->PlayedMs(), replay_->TotalMs(g_), replay_->Paused()};
}

void TurnLoop::ControlWatch(WatchControl control, std::int64_t now) {
  if (!replay_) return;
  switch (control) {
    case WatchControl::Pause:
      if (replay_->Paused()) replay_->Resume(now);
      else replay_->Pause(now);
      break;
    case WatchControl::SkipAhead: replay_->SkipAhead(kSkipAheadMs); break;
    case WatchControl::Stop: stopAsked_ = true; break;
  }
  changed_ = true;
}

void TurnLoop::Begin(std::int64_t now) {
  now_ = now;
  if (replay_) replay_->Restart(now_);
  schedule_.RestartAll(g_, now_);
}

namespace {

// The keys that start a game on the title, by their names in the settings.
int TitleStartKey(std::string_view keyName) {
  if (keyName == "Enter") return vk::Enter;
  if (keyName == "Space") return vk::Space;
  return 0;
}

}  // namespace

int TurnLoop::TargetOfKey(bool down, bool repeat, std::string_view keyName) {
  const auto held = heldTargets_.find(keyName);
  if (held != heldTargets_.end()) {
    const int target = held->second;
    if (!down) heldTargets_.erase(held);
    return target;
  }
  const int startKey = g_.TitleTimer.Enabled ? TitleStartKey(keyName) : 0;
  const int target = startKey != 0 ? startKey : keys_->TargetOf(keyName);
  if (down && !repeat) heldTargets_.emplace(std::string(keyName), target);
  return target;
}

void TurnLoop::KeyChanged(bool down, bool repeat, std::string_view keyName) {
  if (replay_) return;
  const int target = TargetOfKey(down, repeat, keyName);
  if (target == kMuteTarget) {
    if (down && !repeat && mute_) mute_();
  } else if (target != 0) {
    Submit(down ? Event::KeyDown(target) : Event::KeyUp(target));
  }
}

void TurnLoop::PadKeysChanged(const std::vector<pad::KeyChange>& changes) {
  for (const pad::KeyChange& c : changes) Submit(c.Down ? Event::KeyDown(c.Key) : Event::KeyUp(c.Key));
}

void TurnLoop::Submit(const Event& e) {
  if (divert_ && divert_(e)) return;
  if (!replay_) pending_.push_back({false, e});
}

void TurnLoop::TuneEnded() { pending_.push_back({true, Event{}}); }

void TurnLoop::HoldFor(std::int64_t ms) { holdUntil_ = now_ + ms; }

void TurnLoop::HoldEnded(std::int64_t now) {
  now_ = now;
  holdUntil_.reset();
  schedule_.RestartAll(g_, now_);
  if (replay_) replay_->Restart(now_);
}

bool TurnLoop::Closed() const { return g_.CloseRequested || !trouble_.empty(); }

bool TurnLoop::TakeChanged() {
  const bool changed = changed_;
  changed_ = false;
  return changed;
}

void TurnLoop::Turn(std::int64_t now) {
  now_ = now;
  if (stopAsked_) EndWatching();
  if (Held() && now_ >= *holdUntil_) HoldEnded(now_);
  DeliverInput();
  if (Stopped()) return;
  if (replay_) {
    StepReplay();
  } else {
    FireDueTimers();
    DeliverInput();
  }
}

// A release waits while a timer is due to tick and has not ticked since the
// key's press; with every timer stopped nothing would ever see it.
bool TurnLoop::ReleaseWaits() const {
  if (pending_.empty() || pending_.front().TuneEnded) return false;
  const Event& e = pending_.front().Input;
  return e.Kind == EventKind::KeyUp && unseenPresses_.contains(e.Key) && schedule_.NextDue().has_value();
}

void TurnLoop::DeliverInput() {
  while (!pending_.empty() && !Stopped() && !ReleaseWaits()) {
    const Pending p = pending_.front();
    pending_.pop_front();
    Deliver(p);
  }
}

std::optional<std::int64_t> TurnLoop::NextWake() const {
  if (Closed()) return std::nullopt;
  if (stopAsked_) return now_;
  if (Held()) return holdUntil_;
  if (HasInput()) return now_;
  if (!replay_) return schedule_.NextDue();
  return replay_->NextWake(g_, schedule_, now_);
}

void TurnLoop::Deliver(const Pending& p) {
  if (p.TuneEnded) {
    MusicEnded(g_);
    changed_ = true;
    schedule_.Sync(g_, now_);
  } else {
    Send(p.Input);
  }
}

void TurnLoop::Send(const Event& e) {
  Dispatch(g_, e, watching_ ? nullptr : observer_);
  if (e.Kind == EventKind::KeyDown) unseenPresses_.insert(e.Key);
  if (e.Kind == EventKind::KeyUp) unseenPresses_.erase(e.Key);
  if (e.Kind == EventKind::Tick) unseenPresses_.clear();
  changed_ = true;
  schedule_.Sync(g_, now_);
}

// A tick that starts a hold ends the firing: the timers due at the same
// moment wait for the hold's end, as the input does.
void TurnLoop::FireDueTimers() {
  schedule_.Sync(g_, now_);
  while (const auto id = schedule_.TakeDue(now_)) {
    Send(Event::Tick(*id));
    if (Stopped()) return;
  }
}

// The recording's steps that have come due, until the game is held or
// closed; at its end the timers count again from now and the keys take over.
void TurnLoop::StepReplay() {
  const auto send = [this](const Event& e) { Send(e); };
  while (!replay_->Finished() && !Stopped()) {
    ReplayError bad;
    const auto outcome = replay_->Step(g_, now_, send, [this] { FireDueTimers(); }, bad);
    if (outcome == ReplayPacer::Outcome::Failed) {
      trouble_ = AtLine(replayName_, bad.Line, bad.What);
    }
    if (outcome != ReplayPacer::Outcome::Ran) return;
  }
  if (replay_->Finished() && !Stopped()) {
    replay_.reset();
    schedule_.RestartAll(g_, now_);
  }
}

void TurnLoop::EndWatching() {
  replay_.reset();
  pending_.clear();
  unseenPresses_.clear();
  holdUntil_.reset();
  stopAsked_ = false;
  watching_ = false;
  if (afresh_) afresh_();
  schedule_.RestartAll(g_, now_);
  changed_ = true;
}
