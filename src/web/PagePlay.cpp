#include "web/PagePlay.h"

#include <chrono>
#include <iostream>

#include "drawing/ClientArea.h"
#include "game/MusicNotice.h"
#include "host/settings/PlayerName.h"
#include "host/settings/SpeedAndBrightness.h"
#include "screens/Title.h"
#include "state/Game.h"
#include "web/PageAssets.h"
#include "web/PageFolders.h"

PagePlay::PagePlay()
    : g_(std::make_unique<Game>()), music_(*this, kPageAssetDir, &tunes_), keeper_(*g_, LocalDateNow) {}

PagePlay::~PagePlay() { g_->Screen = nullptr; }

bool PagePlay::Start(const PageStart& how, std::int64_t now, std::string& error) {
  now_ = now;
  ReplayStart start{how.Seed, how.Stage, 0};
  if (!how.ReplayText.empty()) {
    ReplayScript script;
    ReplayError bad;
    if (!ParseReplay(how.ReplayText, script, bad)) {
      error = how.Name + ":" + std::to_string(bad.Line) + ": " + bad.What;
      return false;
    }
    start.Seed = script.Seed.value_or(how.Seed);
    start.Stage = script.Stage.value_or(how.Stage);
    start.HiScore = script.HiScore.value_or(0);
    replay_.emplace(std::move(script));
    replay_->Restart(now_);
    replayName_ = how.Name;
  }
  if (!LoadPageAssets(*g_, glyphs_, error)) return false;
  store_ = SettingsStore(PageSettingsFile(), std::cerr);
  settings_.emplace(*g_, store_, how.Overrides);
  if (!replay_) {
    records_ = std::make_unique<RunRecords>(PageDataFolder(), [](const std::string& line) {
      std::cerr << "velmorane: " << line << '\n';
    });
    start.HiScore = records_->BestScore();
  }
  SetUpGame(*g_, start.Seed);
  g_->PracticeStage = start.Stage;
  g_->HiScore = start.HiScore;
  g_->MusicPlayer.Attach(&music_);
  g_->Sound = &effects_;
  g_->Screen = this;
  if (records_) {
    records_->Begin(start, std::chrono::system_clock::now(), PlayerName(settings_->Kept(), PageEnvironment()),
                    keeper_);
  }
  ShowTitle(*g_);
  if (!replay_) {
    for (const Event& e : SlidersForSettings(*g_, settings_->Shown())) pending_.push_back({false, e});
  }
  settings_->Watch();
  schedule_.Sync(*g_, now_);
  return true;
}

void PagePlay::Submit(const Event& e) {
  if (!replay_) pending_.push_back({false, e});
}

// Pads are followed during a replay too, so their held keys stay known.
void PagePlay::SubmitPad(const std::vector<pad::KeyChange>& changes) {
  for (const pad::KeyChange& c : changes) Submit(c.Down ? Event::KeyDown(c.Key) : Event::KeyUp(c.Key));
}

void PagePlay::KeyChanged(bool down, bool repeat, std::string_view keyName) {
  if (replay_) return;
  const int target = settings_->TargetOf(keyName);
  if (target == kMuteTarget) {
    if (down && !repeat) settings_->ToggleMute();
  } else if (target != 0) {
    Submit(down ? Event::KeyDown(target) : Event::KeyUp(target));
  }
}

void PagePlay::TuneEnded() {
  music_.Ended();
  pending_.push_back({true, Event{}});
}

bool PagePlay::Closed() const { return g_->CloseRequested || !trouble_.empty(); }

void PagePlay::Step(std::int64_t now) {
  now_ = now;
  if (Held()) {
    if (now_ < *holdUntil_) return;
    holdUntil_.reset();
    schedule_.RestartAll(*g_, now_);
    if (replay_) replay_->Restart(now_);
  }
  while (!pending_.empty() && !Held() && !Closed()) {
    const Pending p = pending_.front();
    pending_.pop_front();
    Deliver(p);
  }
  if (!Held() && !Closed()) {
    if (replay_) {
      StepReplay();
    } else {
      FireDueTimers();
    }
  }
  AfterEvents();
}

void PagePlay::AfterEvents() {
  settings_->AfterEvents(replay_.has_value());
  if (Closed()) keeper_.Finish();
}

std::optional<std::int64_t> PagePlay::NextWake() const {
  if (Closed()) return std::nullopt;
  if (Held()) return holdUntil_;
  if (!pending_.empty()) return now_;
  if (!replay_) return schedule_.NextDue();
  return replay_->NextWake(*g_, schedule_, now_);
}

void PagePlay::Deliver(const Pending& p) {
  if (p.MusicEnded) MusicEnded(*g_);
  else Dispatch(*g_, p.Input, Keeper());
  dirty_ = true;
  schedule_.Sync(*g_, now_);
}

void PagePlay::FireDueTimers() {
  schedule_.Sync(*g_, now_);
  while (const auto id = schedule_.TakeDue(now_)) {
    Dispatch(*g_, Event::Tick(*id), Keeper());
    dirty_ = true;
    if (Closed() || Held()) return;
    schedule_.Sync(*g_, now_);
  }
}

// The recording's steps that have come due, as the desktop's window plays
// them, until the game is held or closed; at its end the timers count again
// from now and the keys take over.
void PagePlay::StepReplay() {
  const auto dispatch = [this](const Event& e) {
    Dispatch(*g_, e);
    dirty_ = true;
    schedule_.Sync(*g_, now_);
  };
  ReplayError bad;
  while (!replay_->Finished() && !Held() && !Closed()) {
    const auto outcome = replay_->Step(*g_, now_, dispatch, [this] { FireDueTimers(); }, bad);
    if (outcome == ReplayPacer::Outcome::Failed) {
      trouble_ = replayName_ + ":" + std::to_string(bad.Line) + ": " + bad.What;
    }
    if (outcome != ReplayPacer::Outcome::Ran) return;
  }
  if (replay_->Finished() && !Held() && !Closed()) {
    replay_.reset();
    schedule_.RestartAll(*g_, now_);
  }
}

// Tunes here are timed (TimedMusic), which holds the game through
// AdvanceVirtualClock; nothing asks to wait on a condition.
void PagePlay::HoldFor(const std::function<bool()>&) {}

void PagePlay::AdvanceVirtualClock(std::int64_t ms) { holdUntil_ = now_ + ms; }

const std::vector<std::uint8_t>& PagePlay::Picture() {
  if (!dirty_ && !picture_.empty()) return picture_;
  Surface shown;
  ComposeShownClientArea(*g_, shown);
  picture_.resize(static_cast<std::size_t>(shown.Width()) * shown.Height() * 4);
  std::size_t at = 0;
  for (const Pixel p : shown.Pixels()) {
    picture_[at++] = static_cast<std::uint8_t>(p >> 16);
    picture_[at++] = static_cast<std::uint8_t>(p >> 8);
    picture_[at++] = static_cast<std::uint8_t>(p);
    picture_[at++] = 0xFF;
  }
  dirty_ = false;
  return picture_;
}
