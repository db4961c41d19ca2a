#pragma once

#include <cstdint>
#include <string>

#include "state/MusicDevice.h"

class GameHold;

// What a page hears of the music: which tune to sound and when. The game's
// timing does not depend on it.
class TuneListener {
 public:
  virtual ~TuneListener() = default;
  // file begins from its start; waited: the game is held until it ends.
  virtual void TuneStarted(const std::string& file, bool waited) = 0;
  virtual void TuneStopped() = 0;
};

// The music device's backend where tunes are only timed, by the lengths
// written in their MIDI files, and sounded (if at all) elsewhere: a play with
// wait holds the game through GameHold::AdvanceVirtualClock for the tune's
// length; any other play runs until stopped or until the host reports its end
// with Ended. Tunes are opened by bare name from assetDir.
class TimedMusic : public MusicBackend {
 public:
  TimedMusic(GameHold& hold, std::string assetDir, TuneListener* listener = nullptr)
      : hold_(hold), assetDir_(std::move(assetDir)), listener_(listener) {}

  bool Open(const std::string& file) override;
  void Close() override;
  void Play() override;
  void PlayAndWait() override;
  void Stop() override;
  bool PlayEnded() const override { return !playing_; }

  // The host heard the tune playing end; the game is told next.
  void Ended() { playing_ = false; }

 private:
  GameHold& hold_;
  const std::string assetDir_;
  TuneListener* listener_;
  std::string file_;
  std::int64_t lengthMs_ = 0;
  bool open_ = false;
  bool playing_ = false;
};
