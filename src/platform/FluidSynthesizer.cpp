#include "platform/FluidSynthesizer.h"

#include <string>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "host/io/PrintTrouble.h"

namespace {

constexpr double kGain = 0.5;
constexpr int kSustainSwitch = 64, kSostenutoSwitch = 66;
// Each voice costs about 8 KB whether it sounds or not. Our busiest tune
// peaks at 73 voices, release tails included; beyond 128 the synthesizer
// steals the quietest.
constexpr int kPolyphony = 128;

}  // namespace

std::unique_ptr<FluidSynthesizer> FluidSynthesizer::Make(int sampleRate, const std::string& soundFont) {
  fluid_settings_t* settings = new_fluid_settings();
  if (!settings) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
  fluid_settings_setnum(settings, "synth.gain", kGain);
  fluid_settings_setint(settings, "synth.lock-memory", 0);
  fluid_settings_setint(settings, "synth.cpu-cores", 1);
  fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
  // A finished player must not reset the synthesizer under the next round of
  // its tune; a new tune resets it on opening instead.
  fluid_settings_setint(settings, "player.reset-synth", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (!synth) {
    delete_fluid_settings(settings);
    PrintTrouble("cannot start the MIDI synthesizer; music is silent");
    return nullptr;
  }
  if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    PrintTrouble("cannot load soundfont " + soundFont + "; music is silent");
    return nullptr;
  }
#if defined(__GLIBC__)
  // Reading the soundfont leaves megabytes of freed scratch memory in this
  // thread's heap; hand it back rather than keep it for the whole game.
  malloc_trim(0);
#endif
  return std::unique_ptr<FluidSynthesizer>(new FluidSynthesizer(settings, synth));
}

FluidSynthesizer::~FluidSynthesizer() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void FluidSynthesizer::Render(std::int16_t* stereo, int frames) {
  fluid_synth_write_s16(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}

void FluidSynthesizer::SilenceAll() { fluid_synth_all_sounds_off(synth_, -1); }

void FluidSynthesizer::ReleaseAll() {
  const int channels = fluid_synth_count_midi_channels(synth_);
  for (int c = 0; c < channels; ++c) {
    fluid_synth_cc(synth_, c, kSustainSwitch, 0);
    fluid_synth_cc(synth_, c, kSostenutoSwitch, 0);
  }
  fluid_synth_all_notes_off(synth_, -1);
}

void FluidSynthesizer::Reset() { fluid_synth_system_reset(synth_); }
