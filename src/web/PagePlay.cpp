#include "web/PagePlay.h"

#include <chrono>

#include "base/ClockSeed.h"
#include "base/Trouble.h"
#include "drawing/ClientArea.h"
#include "host/io/PrintTrouble.h"
#include "host/loop/FreshGame.h"
#include "host/settings/PlayerName.h"
#include "host/settings/SpeedAndBrightness.h"
#include "screens/Title.h"
#include "state/Game.h"
#include "web/PageAssets.h"
#include "web/PageFolders.h"

PagePlay::PagePlay()
    : g_(std::make_unique<Game>()),
      music_(*this, kPageAssetDir, &tunes_),
      keeper_(*g_, LocalDateNow),
      loop_(*g_, &keeper_),
      dialogPause_(*g_, loop_) {}

PagePlay::~PagePlay() { g_->Screen = nullptr; }

bool PagePlay::Start(const PageStart& how, std::int64_t now, std::string& error) {
  ReplayStart start{how.Seed, how.Stage, 0};
  if (!how.ReplayText.empty()) {
    ReplayScript script;
    ReplayError bad;
    if (!ParseReplay(how.ReplayText, script, bad)) {
      error = AtLine(how.Name, bad.Line, bad.What);
      return false;
    }
    start = StartOf(script, start);
    loop_.PlayReplay(std::move(script), how.Name);
  }
  if (!LoadPageAssets(*g_, glyphs_, error)) return false;
  store_ = SettingsStore(PageSettingsFile(), PrintTrouble);
  settings_.emplace(*g_, store_, how.Overrides);
  loop_.UseKeys(settings_->Keys(), [this] { settings_->ToggleMute(); });
  records_ = std::make_unique<RunRecords>(PageDataFolder(), PrintTrouble);
  if (!loop_.Replaying()) start.HiScore = records_->BestScore();
  SetUpGame(*g_, start.Seed);
  g_->PracticeStage = start.Stage;
  g_->HiScore = start.HiScore;
  g_->MusicPlayer.Attach(&music_);
  g_->Sound = &effects_;
  g_->Screen = this;
  // A name chosen in the page's dialog counts from the next game that ends.
  settings_->OnChange([this](const ::Settings& before, const ::Settings& now) {
    if (now.PlayerName != before.PlayerName) {
      keeper_.KeepScores(&records_->Scores(), PlayerName(now, PageEnvironment(), ""));
    }
  });
  ShowTitle(*g_);
  if (!loop_.Replaying()) BeginOwnGame(start);
  // Stopping the watching starts a game of the page's own, kept in the
  // records as any is.
  loop_.OnWatchStopped([this, stage = how.Stage] {
    const ReplayStart fresh{MillisecondsSinceMidnightUtc(), stage, records_->BestScore()};
    StartGameAfresh(*g_, fresh);
    BeginOwnGame(fresh);
  });
  loop_.Begin(now);
  return true;
}

void PagePlay::BeginOwnGame(const ReplayStart& start) {
  records_->Begin(start, std::chrono::system_clock::now(), PlayerName(settings_->Kept(), PageEnvironment(), ""), keeper_);
  for (const Event& e : SlidersForSettings(*g_, settings_->Shown())) loop_.Submit(e);
  settings_->Watch();
}

void PagePlay::TuneEnded() {
  music_.Ended();
  loop_.TuneEnded();
}

void PagePlay::Step(std::int64_t now) {
  loop_.Turn(now);
  if (loop_.TakeChanged()) dirty_ = true;
  settings_->AfterEvents(loop_.Replaying());
  if (loop_.Closed()) keeper_.Finish();
}

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
