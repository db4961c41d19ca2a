#include "host/io/TuneFile.h"

#include <cstdio>

#include "base/FileBytes.h"
#include "base/MidiLength.h"

std::optional<TuneFile> ReadTuneFile(const std::string& path) {
  TuneFile tune;
  std::string error;
  if (!ReadFileBytes(path, tune.Bytes, error)) {
    std::fprintf(stderr, "velmorane: cannot open music %s\n", error.c_str());
    return std::nullopt;
  }
  const auto micros = MidiLengthMicroseconds(tune.Bytes);
  if (!micros) {
    std::fprintf(stderr, "velmorane: cannot play music %s: not a standard MIDI file\n", path.c_str());
    return std::nullopt;
  }
  tune.Microseconds = *micros;
  return tune;
}
