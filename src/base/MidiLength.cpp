#include "base/MidiLength.h"

#include <algorithm>
#include <vector>

#include "base/ByteReader.h"

namespace {

constexpr std::int64_t kDefaultTempo = 500000;  // microseconds per quarter note: 120 beats a minute

struct TempoChange {
  std::int64_t Tick;
  std::int64_t MicrosecondsPerQuarter;
};

int ChannelDataBytes(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Walks one track, collecting its tempo changes; endTick is the tick of its
// last event. False when the track is not readable.
bool ReadTrack(ByteReader& r, std::vector<TempoChange>& tempos, std::int64_t& endTick) {
  std::int64_t tick = 0;
  std::uint8_t running = 0;
  while (!r.AtEnd()) {
    tick += r.VarLen();
    const std::uint8_t b = r.Byte();
    if (b == 0xFF) {
      const std::uint8_t type = r.Byte();
      const std::uint32_t length = r.VarLen();
      if (type == 0x2F) {
        endTick = tick;
        return r.Ok();
      }
      if (type == 0x51 && length == 3) {
        const std::int64_t tempo = r.Big(3);
        if (tempo > 0) tempos.push_back({tick, tempo});
      } else {
        r.Skip(length);
      }
      running = 0;
    } else if (b == 0xF0 || b == 0xF7) {
      r.Skip(r.VarLen());
      running = 0;
    } else if (b >= 0xF1) {
      return false;
    } else {
      std::uint8_t status = b;
      int data = 0;
      if (b & 0x80) {
        running = b;
      } else {
        if (!running) return false;
        status = running;
        data = 1;  // b was the first data byte
      }
      for (; data < ChannelDataBytes(status); ++data) r.Byte();
    }
    if (!r.Ok()) return false;
  }
  endTick = tick;
  return r.Ok();
}

// How ticks turn into time: ticks per quarter note under the tempo map, or
// a fixed tick length in SMPTE time.
struct TickTime {
  bool Smpte = false;
  std::int64_t Division = 0;     // ticks per quarter note
  double SmpteTickMicros = 0.0;  // microseconds per tick in SMPTE time
};

double Micros(const TickTime& time, std::vector<TempoChange> tempos, std::int64_t endTick) {
  if (time.Smpte) return static_cast<double>(endTick) * time.SmpteTickMicros;
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.Tick < b.Tick; });
  std::int64_t numerator = 0;  // tick * microseconds per quarter
  std::int64_t lastTick = 0;
  std::int64_t tempo = kDefaultTempo;
  for (const TempoChange& change : tempos) {
    if (change.Tick >= endTick) break;
    numerator += (change.Tick - lastTick) * tempo;
    lastTick = change.Tick;
    tempo = change.MicrosecondsPerQuarter;
  }
  numerator += (endTick - lastTick) * tempo;
  return static_cast<double>(numerator) / static_cast<double>(time.Division);
}

}  // namespace

std::optional<std::int64_t> MidiLengthMicroseconds(std::span<const std::uint8_t> bytes) {
  ByteReader header(bytes, 0, bytes.size());
  if (header.Big(4) != 0x4D546864) return std::nullopt;  // "MThd"
  const std::uint32_t headerLength = header.Big(4);
  header.Big(2);  // format: tracks are played side by side in every format
  header.Big(2);  // track count: the chunks themselves are counted
  const std::uint32_t division = header.Big(2);
  if (!header.Ok() || headerLength < 6 || division == 0) return std::nullopt;

  TickTime time;
  if (division & 0x8000) {
    const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
    const int ticksPerFrame = static_cast<int>(division & 0xFF);
    if (framesPerSecond <= 0 || ticksPerFrame == 0) return std::nullopt;
    const double fps = framesPerSecond == 29 ? 29.97 : framesPerSecond;
    time.Smpte = true;
    time.SmpteTickMicros = 1e6 / (fps * ticksPerFrame);
  } else {
    time.Division = division;
  }

  std::vector<TempoChange> tempos;
  std::int64_t endTick = 0;
  int tracks = 0;
  // Compared without adding to the length: where size_t has 32 bits, 8 plus a
  // header length near 4 GB wraps around to a small number.
  constexpr std::size_t kHeaderStart = 8;
  if (headerLength > bytes.size() - kHeaderStart) return std::nullopt;  // the header read has 14 bytes
  ByteReader chunks(bytes, kHeaderStart + headerLength, bytes.size());
  while (!chunks.AtEnd()) {
    const std::uint32_t id = chunks.Big(4);
    const std::uint32_t length = chunks.Big(4);
    if (!chunks.Ok()) break;  // trailing bytes too short to be a chunk
    const std::size_t begin = chunks.Position();
    chunks.Skip(length);
    if (!chunks.Ok()) return std::nullopt;
    if (id != 0x4D54726B) continue;  // "MTrk"; other chunks are skipped
    ByteReader track(bytes, begin, begin + length);
    std::int64_t trackEnd = 0;
    if (!ReadTrack(track, tempos, trackEnd)) return std::nullopt;
    endTick = std::max(endTick, trackEnd);
    ++tracks;
  }
  if (tracks == 0) return std::nullopt;
  return static_cast<std::int64_t>(Micros(time, std::move(tempos), endTick) + 0.5);
}

std::optional<std::int64_t> MidiLengthMs(std::span<const std::uint8_t> bytes) {
  const auto micros = MidiLengthMicroseconds(bytes);
  if (!micros) return std::nullopt;
  return WholeMilliseconds(*micros);
}
