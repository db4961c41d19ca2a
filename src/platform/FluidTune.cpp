#include "platform/FluidTune.h"

#include "platform/FluidSynthesizer.h"

FluidTune::FluidTune(FluidSynthesizer& synth, std::span<const std::uint8_t> bytes)
    : player_(new_fluid_player(synth.Synth())) {
  if (player_) fluid_player_add_mem(player_, bytes.data(), bytes.size());
}

FluidTune::~FluidTune() {
  if (player_) delete_fluid_player(player_);
}

void FluidTune::Start() {
  if (player_) fluid_player_play(player_);
}

void FluidTune::Pause() {
  if (player_) fluid_player_stop(player_);
}
