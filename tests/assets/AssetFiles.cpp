#include "assets/AssetFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace asset_files {

namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end) : b_(bytes), at_(at), end_(end) {
    if (end_ > b_.size()) throw std::runtime_error("chunk runs past the end of the file");
  }
  bool AtEnd() const { return at_ >= end_; }
  std::size_t Offset() const { return at_; }
  std::uint8_t U8() {
    if (at_ >= end_) throw std::runtime_error("unexpected end of data");
    return b_[at_++];
  }
  std::uint8_t Peek() const {
    if (at_ >= end_) throw std::runtime_error("unexpected end of data");
    return b_[at_];
  }
  std::uint32_t Be(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | U8();
    return v;
  }
  std::uint32_t Le(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(U8()) << (8 * i);
    return v;
  }
  std::string Tag() {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>(U8());
    return s;
  }
  std::uint32_t Vlq() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t c = U8();
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return v;
    }
    throw std::runtime_error("variable-length number longer than four bytes");
  }
  void Skip(std::size_t n) {
    if (at_ + n > end_) throw std::runtime_error("skip past the end of data");
    at_ += n;
  }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t at_, end_;
};

}  // namespace

std::string AssetPath(const std::string& name) { return std::string(VELMORANE_ASSET_DIR) + "/" + name; }

std::vector<std::uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(AssetPath(name), std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + AssetPath(name));
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bitmap ReadBitmap(const std::string& name) {
  const auto bytes = ReadBytes(name);
  Cursor c(bytes, 0, bytes.size());
  if (c.U8() != 'B' || c.U8() != 'M') throw std::runtime_error("not a BMP");
  c.Le(4);
  c.Le(4);
  const std::uint32_t pixelOffset = c.Le(4);
  const std::uint32_t headerSize = c.Le(4);
  Bitmap bmp;
  bmp.width = static_cast<std::int32_t>(c.Le(4));
  const int rawHeight = static_cast<std::int32_t>(c.Le(4));
  bmp.height = std::abs(rawHeight);
  c.Le(2);
  bmp.bitsPerPixel = static_cast<int>(c.Le(2));
  if (c.Le(4) != 0) throw std::runtime_error("compressed BMP");
  c.Le(4);
  c.Le(4);
  c.Le(4);
  const std::uint32_t used = c.Le(4);
  if (bmp.bitsPerPixel != 8) throw std::runtime_error("not 8 bits per pixel");
  bmp.paletteSize = used ? static_cast<int>(used) : 256;
  Cursor pal(bytes, 14 + headerSize, 14 + headerSize + 4u * bmp.paletteSize);
  for (int i = 0; i < bmp.paletteSize; ++i) {
    bmp.palette[i].b = pal.U8();
    bmp.palette[i].g = pal.U8();
    bmp.palette[i].r = pal.U8();
    pal.U8();
  }
  const std::size_t stride = (static_cast<std::size_t>(bmp.width) + 3) & ~std::size_t(3);
  if (pixelOffset + stride * bmp.height > bytes.size()) throw std::runtime_error("pixel data cut short");
  bmp.index.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
  for (int y = 0; y < bmp.height; ++y) {
    const int fileRow = rawHeight > 0 ? bmp.height - 1 - y : y;
    std::copy_n(&bytes[pixelOffset + stride * fileRow], bmp.width, &bmp.index[static_cast<std::size_t>(y) * bmp.width]);
  }
  return bmp;
}

Midi ReadMidi(const std::string& name) {
  const auto bytes = ReadBytes(name);
  Cursor file(bytes, 0, bytes.size());
  if (file.Tag() != "MThd" || file.Be(4) != 6) throw std::runtime_error("no MThd header");
  Midi midi;
  midi.format = static_cast<int>(file.Be(2));
  const int tracks = static_cast<int>(file.Be(2));
  midi.division = static_cast<int>(file.Be(2));
  if (midi.division <= 0 || midi.division >= 0x8000) throw std::runtime_error("unsupported time division");
  std::map<int, std::uint32_t> tempoAt;  // tick -> microseconds per quarter
  bool metreSeen = false;
  for (int t = 0; t < tracks; ++t) {
    if (file.Tag() != "MTrk") throw std::runtime_error("missing MTrk chunk");
    const std::uint32_t length = file.Be(4);
    Cursor c(bytes, file.Offset(), file.Offset() + length);
    file.Skip(length);
    int tick = 0, status = 0;
    bool ended = false;
    std::map<std::pair<int, int>, int> sounding;
    while (!c.AtEnd()) {
      if (ended) throw std::runtime_error("events after end of track");
      tick += static_cast<int>(c.Vlq());
      if (c.Peek() & 0x80)
        status = c.U8();
      else if (!status)
        throw std::runtime_error("running status without a status byte");
      if (status == 0xFF) {
        const int type = c.U8();
        const std::uint32_t len = c.Vlq();
        if (type == 0x51 && len == 3)
          tempoAt[tick] = c.Be(3);
        else if (type == 0x58 && len == 4 && !metreSeen) {
          midi.beatsPerBar = c.U8();
          c.Skip(3);
          metreSeen = true;
        } else if (type == 0x2F) {
          c.Skip(len);
          ended = true;
          midi.trackEndTicks.push_back(tick);
        } else
          c.Skip(len);
        status = 0;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        c.Skip(c.Vlq());
        status = 0;
        continue;
      }
      const int kind = status & 0xF0, channel = status & 0x0F;
      const int a = c.U8();
      const int b = (kind == 0xC0 || kind == 0xD0) ? 0 : c.U8();
      if (a > 127 || b > 127) throw std::runtime_error("data byte above 127");
      if (kind == 0x90 && b > 0) {
        midi.noteOns.push_back({tick, channel, a});
        ++sounding[{channel, a}];
      } else if (kind == 0x80 || kind == 0x90) {
        auto it = sounding.find({channel, a});
        if (it != sounding.end() && it->second > 0) --it->second;
      } else if (kind == 0xC0) {
        midi.channelsWithProgram.push_back(channel);
      }
    }
    if (!ended) throw std::runtime_error("track without end-of-track event");
    for (const auto& [key, count] : sounding) midi.openNotesAtEnd += count;
  }
  midi.lengthTicks =
      midi.trackEndTicks.empty() ? 0 : *std::max_element(midi.trackEndTicks.begin(), midi.trackEndTicks.end());
  std::uint32_t tempo = 500000;
  int from = 0;
  for (const auto& [tick, micros] : tempoAt) {
    if (tick >= midi.lengthTicks) break;
    midi.seconds += double(tick - from) * tempo / midi.division / 1e6;
    from = tick;
    tempo = micros;
  }
  midi.seconds += double(midi.lengthTicks - from) * tempo / midi.division / 1e6;
  return midi;
}

Wave ReadWave(const std::string& name) {
  const auto bytes = ReadBytes(name);
  Cursor file(bytes, 0, bytes.size());
  if (file.Tag() != "RIFF") throw std::runtime_error("not RIFF");
  const std::uint32_t riffSize = file.Le(4);
  if (riffSize + 8 != bytes.size()) throw std::runtime_error("RIFF size does not match the file");
  if (file.Tag() != "WAVE") throw std::runtime_error("not WAVE");
  Wave wave;
  bool haveFormat = false, haveData = false;
  while (!file.AtEnd()) {
    const std::string tag = file.Tag();
    const std::uint32_t size = file.Le(4);
    Cursor chunk(bytes, file.Offset(), file.Offset() + size);
    file.Skip(size + (size & 1));
    if (tag == "fmt ") {
      wave.format = static_cast<int>(chunk.Le(2));
      wave.channels = static_cast<int>(chunk.Le(2));
      wave.rate = static_cast<int>(chunk.Le(4));
      chunk.Le(4);
      chunk.Le(2);
      wave.bits = static_cast<int>(chunk.Le(2));
      haveFormat = true;
    } else if (tag == "data") {
      if (size % 2) throw std::runtime_error("odd data size");
      for (std::uint32_t i = 0; i < size / 2; ++i) wave.samples.push_back(static_cast<std::int16_t>(chunk.Le(2)));
      haveData = true;
    }
  }
  if (!haveFormat || !haveData) throw std::runtime_error("missing fmt or data chunk");
  return wave;
}

}  // namespace asset_files
