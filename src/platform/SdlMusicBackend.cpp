#include "platform/SdlMusicBackend.h"

#include <SDL.h>

#include <algorithm>

#include "host/io/PrintTrouble.h"
#include "host/io/TuneFile.h"
#include "host/loop/GameHold.h"
#include "platform/MusicEndedEvent.h"

namespace {

constexpr std::int64_t kMicrosPerSecond = 1000000;

void PushMusicEnded() {
  const std::uint32_t type = MusicEndedEventType();
  if (type == 0) return;
  SDL_Event e{};
  e.type = type;
  SDL_PushEvent(&e);
}

void FlushMusicEnded() {
  const std::uint32_t type = MusicEndedEventType();
  if (type != 0) SDL_FlushEvent(type);
}

}  // namespace

SdlMusicBackend::SdlMusicBackend(GameHold& hold, bool headless, int sampleRate, std::filesystem::path assetDir,
                                 MillisecondClock clock)
    : hold_(hold),
      headless_(headless),
      hasOutput_(sampleRate > 0),
      assetDir_(std::move(assetDir)),
      clock_(clock ? std::move(clock) : MillisecondClock(SDL_GetTicks64)),
      clockRate_(sampleRate > 0 ? sampleRate : kMicrosPerSecond) {}

// The players go before the synthesizer they play on (members are destroyed
// in reverse order).
SdlMusicBackend::~SdlMusicBackend() {
  if (loader_.joinable()) loader_.join();
}

void SdlMusicBackend::StartSynthesizer(const std::string& soundFont) {
  {
    std::lock_guard lock(mutex_);
    loading_ = true;
  }
  const int rate = static_cast<int>(clockRate_);
  loader_ = std::thread([this, soundFont, rate] { Adopt(FluidSynthesizer::Make(rate, soundFont)); });
}

void SdlMusicBackend::UseSynthesizer(std::unique_ptr<FluidSynthesizer> synth) { Adopt(std::move(synth)); }

void SdlMusicBackend::Adopt(std::unique_ptr<FluidSynthesizer> synth) {
  std::lock_guard lock(mutex_);
  synth_ = std::move(synth);
  loading_ = false;
  if (!synth_ || !open_) return;
  // A tune opened while the soundfont was loading has not moved yet: it
  // starts now from its beginning.
  player_ = std::make_unique<FluidTune>(*synth_, tune_);
  if (playing_) player_->Start();
}

bool SdlMusicBackend::Open(const std::string& file) {
  auto tune = ReadTuneFile((assetDir_ / file).string(), PrintTrouble);
  if (!tune) return false;
  std::lock_guard lock(mutex_);
  FlushMusicEnded();
  DropTune();
  tune_ = std::move(tune->Bytes);
  length_ = tune->Microseconds * clockRate_ / kMicrosPerSecond;
  position_ = 0;
  open_ = true;
  if (synth_) {
    synth_->Reset();
    player_ = std::make_unique<FluidTune>(*synth_, tune_);
  }
  return true;
}

void SdlMusicBackend::Close() {
  std::lock_guard lock(mutex_);
  FlushMusicEnded();
  DropTune();
}

void SdlMusicBackend::ExpectNotice(bool notice) {
  std::lock_guard lock(mutex_);
  noticeExpected_ = notice;
}

void SdlMusicBackend::Play() {
  std::lock_guard lock(mutex_);
  FlushMusicEnded();
  retired_.reset();
  if (!open_) return;
  if (ranAhead_) {
    // The round this Play asks for began when the last one ended.
    ranAhead_ = false;
    repeats_ = noticeExpected_;
    return;
  }
  BeginPlay(true);
}

void SdlMusicBackend::PlayAndWait() {
  std::int64_t remainingMs = 0;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return;
    remainingMs = RemainingMs();
    if (hasOutput_ && !headless_) {
      BeginPlay(false);
    } else {
      position_ = length_;
      playing_ = false;
    }
  }
  if (headless_ || hold_.HoldsForTheTunesLength()) {
    hold_.AdvanceVirtualClock(remainingMs);
  } else if (hasOutput_) {
    hold_.HoldFor([this] { return ended_.load(); });
  } else {
    const std::uint64_t deadline = clock_() + static_cast<std::uint64_t>(remainingMs);
    hold_.HoldFor([this, deadline] { return clock_() >= deadline; });
  }
}

void SdlMusicBackend::Stop() {
  std::lock_guard lock(mutex_);
  FlushMusicEnded();
  retired_.reset();
  ranAhead_ = false;
  playing_ = false;
  if (player_) player_->Pause();
  if (synth_) synth_->SilenceAll();
}

bool SdlMusicBackend::PlayEnded() const {
  std::lock_guard lock(mutex_);
  return !playing_ || ranAhead_;
}

void SdlMusicBackend::Mix(std::int16_t* stereo, int frames) {
  std::lock_guard lock(mutex_);
  // Rendered in pieces split at the end of the tune, so that a round run
  // ahead begins on the very frame after the last one.
  int done = 0;
  while (done < frames) {
    const bool moving = playing_ && !loading_;
    const std::int64_t left = frames - done;
    const bool ends = moving && length_ - position_ <= left;
    const int piece = static_cast<int>(ends ? std::max<std::int64_t>(length_ - position_, 0) : left);
    std::int16_t* out = stereo + 2 * static_cast<std::size_t>(done);
    if (synth_) {
      synth_->Render(out, piece);
    } else {
      std::fill(out, out + 2 * static_cast<std::size_t>(piece), std::int16_t{0});
    }
    done += piece;
    if (moving) position_ += piece;
    if (ends) EndOfPlay();
  }
}

void SdlMusicBackend::BeginPlay(bool postEnd) {
  if (position_ >= length_) Rewind();
  playing_ = true;
  postEnd_ = postEnd;
  repeats_ = postEnd && noticeExpected_ && length_ > 0;
  ended_ = false;
  if (player_) player_->Start();
}

void SdlMusicBackend::Rewind() {
  position_ = 0;
  if (!synth_) return;
  player_.reset();
  synth_->ReleaseAll();
  player_ = std::make_unique<FluidTune>(*synth_, tune_);
}

void SdlMusicBackend::EndOfPlay() {
  ended_ = true;
  if (postEnd_) PushMusicEnded();
  if (repeats_) {
    RunAhead();
  } else {
    playing_ = false;
  }
}

// Audio thread: the old round's player is kept (its release tails ring on)
// until the game thread next takes the lock.
void SdlMusicBackend::RunAhead() {
  ranAhead_ = true;
  position_ = 0;
  if (!synth_) return;
  retired_ = std::move(player_);
  synth_->ReleaseAll();
  player_ = std::make_unique<FluidTune>(*synth_, tune_);
  player_->Start();
}

void SdlMusicBackend::DropTune() {
  retired_.reset();
  ranAhead_ = false;
  repeats_ = false;
  player_.reset();
  if (synth_) synth_->SilenceAll();
  tune_.clear();
  open_ = false;
  playing_ = false;
  length_ = 0;
  position_ = 0;
}

std::int64_t SdlMusicBackend::RemainingMs() const {
  const std::int64_t frames = position_ >= length_ ? length_ : length_ - position_;
  return (frames * 1000 + clockRate_ - 1) / clockRate_;
}
