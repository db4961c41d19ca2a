#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The playing time of a standard MIDI file, from its bytes: the moment of the
// last event of the longest track (its end-of-track mark), with every tempo
// change of every track honoured. Tracks play side by side, whatever the
// file's format. Empty when the bytes are not a readable standard MIDI file.
std::optional<std::int64_t> MidiLengthMicroseconds(std::span<const std::uint8_t> bytes);
// The same, rounded up to whole milliseconds.
std::optional<std::int64_t> MidiLengthMs(std::span<const std::uint8_t> bytes);
// A playing time in microseconds rounded up to whole milliseconds.
constexpr std::int64_t WholeMilliseconds(std::int64_t micros) { return (micros + 999) / 1000; }
