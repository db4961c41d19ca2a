#pragma once

#include <cstdint>
#include <span>

#include <fluidsynth.h>

class FluidSynthesizer;

// One play of one tune on the synthesizer: a FluidSynth player over the
// tune's bytes, starting at its beginning. Restarting a tune from the start
// makes a new FluidTune; the old one is dropped with its release tails left
// ringing.
class FluidTune {
 public:
  FluidTune(FluidSynthesizer& synth, std::span<const std::uint8_t> bytes);
  ~FluidTune();
  FluidTune(const FluidTune&) = delete;
  FluidTune& operator=(const FluidTune&) = delete;

  // Plays on from the current position.
  void Start();
  // Holds the position; the tune's sounding notes are cut.
  void Pause();

 private:
  fluid_player_t* player_;
};
