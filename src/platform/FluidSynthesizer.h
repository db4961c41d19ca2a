#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <fluidsynth.h>

// The one MIDI synthesizer of the game: FluidSynth with a General MIDI
// soundfont, loaded once. Its players advance as samples are rendered, so the
// music stream that renders it is also the music's clock.
class FluidSynthesizer {
 public:
  // Makes the synthesizer at sampleRate and loads the soundfont; null, after
  // one line on standard error, when the soundfont cannot be loaded.
  static std::unique_ptr<FluidSynthesizer> Make(int sampleRate, const std::string& soundFont);
  ~FluidSynthesizer();
  FluidSynthesizer(const FluidSynthesizer&) = delete;
  FluidSynthesizer& operator=(const FluidSynthesizer&) = delete;

  fluid_synth_t* Synth() const { return synth_; }
  // Renders frames of interleaved 16-bit stereo.
  void Render(std::int16_t* stereo, int frames);
  // Cuts every voice at once (a tune stopped or closed).
  void SilenceAll();
  // Lifts the pedals and ends every note, letting release tails ring out (a
  // tune restarting from its beginning).
  void ReleaseAll();
  // Programs and controllers back to their power-on state (a new tune).
  void Reset();

 private:
  FluidSynthesizer(fluid_settings_t* settings, fluid_synth_t* synth) : settings_(settings), synth_(synth) {}

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
};

// Where Debian's timgm6mb-soundfont package puts its General MIDI soundfont.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
