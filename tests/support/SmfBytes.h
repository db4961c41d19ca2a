#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Hand-made standard MIDI files for the tests.
namespace smf {

using Bytes = std::vector<std::uint8_t>;

inline void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

inline Bytes Be(std::uint32_t v, int count) {
  Bytes b;
  for (int i = count - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  return b;
}

inline Bytes VarLen(std::uint32_t v) {
  Bytes b{static_cast<std::uint8_t>(v & 0x7F)};
  while (v >>= 7) b.insert(b.begin(), static_cast<std::uint8_t>(0x80 | (v & 0x7F)));
  return b;
}

inline Bytes Header(int format, int tracks, std::uint16_t division) {
  Bytes b{'M', 'T', 'h', 'd'};
  Append(b, Be(6, 4));
  Append(b, Be(format, 2));
  Append(b, Be(tracks, 2));
  Append(b, Be(division, 2));
  return b;
}

inline Bytes Track(const Bytes& events) {
  Bytes b{'M', 'T', 'r', 'k'};
  Append(b, Be(static_cast<std::uint32_t>(events.size()), 4));
  Append(b, events);
  return b;
}

// One event: delta ticks, then its bytes.
inline Bytes Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
  Bytes b = VarLen(delta);
  b.insert(b.end(), bytes);
  return b;
}

inline Bytes Tempo(std::uint32_t delta, std::uint32_t microsPerQuarter) {
  Bytes b = Event(delta, {0xFF, 0x51, 0x03});
  Append(b, Be(microsPerQuarter, 3));
  return b;
}

inline Bytes EndOfTrack(std::uint32_t delta) { return Event(delta, {0xFF, 0x2F, 0x00}); }

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes b;
  for (const Bytes& p : parts) Append(b, p);
  return b;
}

// A format-0 tune: program 0 on channel 0, one middle C held for ticks at
// 480 ticks a quarter and 120 beats a minute (ticks * 1.0416 ms).
inline Bytes SingleNote(std::uint32_t ticks, std::uint8_t note = 60) {
  return Concat({Header(0, 1, 480),
                 Track(Concat({Event(0, {0xC0, 0x00}), Event(0, {0x90, note, 100}),
                               Event(ticks, {0x80, note, 0}), EndOfTrack(0)}))});
}

}  // namespace smf
