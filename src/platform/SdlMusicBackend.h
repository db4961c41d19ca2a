#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/FluidSynthesizer.h"
#include "platform/FluidTune.h"
#include "state/MusicDevice.h"

class GameHold;

// The music device's backend: one tune at a time on the FluidSynth
// synthesizer, rendered into SDL2_mixer's music stream by Mix on the audio
// thread. The end of a tune is counted in rendered samples against the length
// written in the MIDI file. The end of a Play reaches the game thread as the
// music-ended SDL event; every command flushes end events still queued, so a
// stale end never meets a newer tune. A play that asked for a notice will be
// answered by another Play, so at its end the next round begins at once, in
// the same buffer, and the game's Play then finds it under way: repeats have
// no gap.
//
// Without an audio output (headless, or no sound device at all) tunes are only
// timed: a play with wait holds the game for the tune's own length, on the
// virtual clock when headless, on the real one otherwise, and other plays run
// until stopped.
//
// Tunes are asked for by bare name and opened from the asset folder.
class SdlMusicBackend : public MusicBackend {
 public:
  // Milliseconds of the real clock, which times a waited-for tune when there
  // is no audio output.
  using MillisecondClock = std::function<std::uint64_t()>;

  // headless: a waited-for tune moves the hold's virtual clock instead of
  // holding the game in real time; sampleRate of the music stream, or 0 when
  // there is no audio output; tunes are opened from assetDir; an empty clock
  // is SDL's own.
  SdlMusicBackend(GameHold& hold, bool headless, int sampleRate, std::filesystem::path assetDir,
                  MillisecondClock clock = {});
  ~SdlMusicBackend() override;
  SdlMusicBackend(const SdlMusicBackend&) = delete;
  SdlMusicBackend& operator=(const SdlMusicBackend&) = delete;

  // Loads the soundfont on a background thread. Until it is ready the stream
  // is silent and a tune already playing waits at its start; if it fails,
  // tunes play silently for their length.
  void StartSynthesizer(const std::string& soundFont);
  // Hands over a synthesizer made elsewhere (null: silent), ready at once.
  void UseSynthesizer(std::unique_ptr<FluidSynthesizer> synth);

  bool Open(const std::string& file) override;
  void Close() override;
  void ExpectNotice(bool notice) override;
  void Play() override;
  void PlayAndWait() override;
  void Stop() override;
  bool PlayEnded() const override;

  // Audio thread: renders the next frames of interleaved 16-bit stereo and
  // notices the end of the tune playing.
  void Mix(std::int16_t* stereo, int frames);

 private:
  void Adopt(std::unique_ptr<FluidSynthesizer> synth);
  void BeginPlay(bool postEnd);
  void Rewind();
  void EndOfPlay();
  void RunAhead();
  void DropTune();
  std::int64_t RemainingMs() const;

  GameHold& hold_;
  const bool headless_;
  const bool hasOutput_;
  const std::filesystem::path assetDir_;
  const MillisecondClock clock_;
  // Frames per second of the tune clock; without output, microseconds.
  const std::int64_t clockRate_;
  std::thread loader_;

  // Shared with the audio thread and the loader; everything below is guarded.
  mutable std::mutex mutex_;
  bool loading_ = false;
  std::unique_ptr<FluidSynthesizer> synth_;
  std::vector<std::uint8_t> tune_;
  std::unique_ptr<FluidTune> player_;
  std::unique_ptr<FluidTune> retired_;  // the round before a run-ahead, dropped by the game thread
  bool open_ = false;
  bool playing_ = false;
  bool postEnd_ = false;
  bool noticeExpected_ = false;  // told before the next Play
  bool repeats_ = false;         // this play runs ahead into its next round
  bool ranAhead_ = false;        // a round has begun that the game has not asked for yet
  std::int64_t length_ = 0;
  std::int64_t position_ = 0;
  std::atomic<bool> ended_{false};
};
