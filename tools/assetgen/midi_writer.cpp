#include "midi_writer.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "byte_writer.h"

namespace assetgen {

namespace {

struct Event {
  int tick;
  int order;  // note-offs before controllers before note-ons at one tick
  std::vector<std::uint8_t> data;
};

std::vector<std::uint8_t> TrackChunk(std::vector<Event> events, int endTick, const std::string& name) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  ByteWriter body;
  body.Vlq(0);
  body.U8(0xFF);
  body.U8(0x03);
  body.Vlq(static_cast<std::uint32_t>(name.size()));
  body.Bytes(name);
  int now = 0;
  for (const auto& e : events) {
    body.Vlq(static_cast<std::uint32_t>(e.tick - now));
    now = e.tick;
    body.Append(e.data);
  }
  body.Vlq(static_cast<std::uint32_t>(endTick - now));
  body.U8(0xFF);
  body.U8(0x2F);
  body.U8(0x00);
  ByteWriter chunk;
  chunk.Bytes("MTrk");
  chunk.Be32(static_cast<std::uint32_t>(body.bytes().size()));
  chunk.Append(body.bytes());
  return chunk.bytes();
}

std::uint8_t B(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }

}  // namespace

void WriteMidi(const std::filesystem::path& path, const Score& score) {
  ByteWriter file;
  file.Bytes("MThd");
  file.Be32(6);
  file.Be16(1);
  file.Be16(static_cast<std::uint16_t>(score.tracks.size() + 1));
  file.Be16(kTicksPerQuarter);

  const std::uint32_t microsPerQuarter = 60000000u / static_cast<std::uint32_t>(score.tempo);
  const int quartersPerBar = score.stepsPerBar / 4;
  std::vector<Event> conductor{
      {0,
       1,
       {0xFF, 0x51, 0x03, std::uint8_t(microsPerQuarter >> 16), std::uint8_t(microsPerQuarter >> 8),
        std::uint8_t(microsPerQuarter)}},
      {0, 1, {0xFF, 0x58, 0x04, std::uint8_t(quartersPerBar), 2, 24, 8}},
  };
  file.Append(TrackChunk(conductor, score.lengthTicks, "tempo"));

  for (const auto& t : score.tracks) {
    const std::uint8_t ch = static_cast<std::uint8_t>(t.channel);
    std::vector<Event> events;
    if (t.channel != 9) events.push_back({0, 1, {std::uint8_t(0xC0 | ch), B(t.program)}});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 7, B(t.volume)}});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 10, B(t.pan)}});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 91, B(t.reverb)}});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 93, 0}});
    for (const auto& n : t.notes) {
      const int end = std::min(n.start + n.length, score.lengthTicks);
      events.push_back({n.start, 2, {std::uint8_t(0x90 | ch), B(n.pitch), B(n.velocity)}});
      events.push_back({end, 0, {std::uint8_t(0x80 | ch), B(n.pitch), 0}});
    }
    file.Append(TrackChunk(events, score.lengthTicks, t.name));
  }
  file.Save(path);
}

}  // namespace assetgen
