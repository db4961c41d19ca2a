#pragma once

// Small independent readers for the files the asset generator writes, so
// the tests check the files themselves rather than the generator's view of
// them.

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace asset_files {

std::string AssetPath(const std::string& name);
std::vector<std::uint8_t> ReadBytes(const std::string& name);

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Colour&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Colour& c) {
  return out << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

// An 8-bit paletted bitmap, rows top to bottom.
struct Bitmap {
  int width = 0, height = 0, bitsPerPixel = 0, paletteSize = 0;
  std::array<Colour, 256> palette{};
  std::vector<std::uint8_t> index;

  std::uint8_t At(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
  Colour ColourAt(int x, int y) const { return palette[At(x, y)]; }
};

// Throws std::runtime_error when the bytes are not an uncompressed 8-bit BMP.
Bitmap ReadBitmap(const std::string& name);

struct MidiNote {
  int tick = 0;
  int channel = 0;  // 0-based
  int pitch = 0;
};

struct Midi {
  int format = 0;
  int division = 0;
  std::vector<int> trackEndTicks;        // tick of each track's end-of-track event
  std::vector<MidiNote> noteOns;         // velocity above 0
  std::vector<int> channelsWithProgram;  // channels that received a program change
  int openNotesAtEnd = 0;                // note-ons never switched off
  int beatsPerBar = 4;                   // from the first time signature
  double seconds = 0;                    // to the last end-of-track, through the tempo map
  int lengthTicks = 0;
};

// Throws std::runtime_error on any malformed chunk or event.
Midi ReadMidi(const std::string& name);

struct Wave {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;

  double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

// Throws std::runtime_error when the RIFF structure is broken.
Wave ReadWave(const std::string& name);

}  // namespace asset_files
