#include "host/io/TuneFile.h"

#include "base/FileBytes.h"
#include "base/MidiLength.h"

std::optional<TuneFile> ReadTuneFile(const std::string& path, const Trouble& trouble) {
  TuneFile tune;
  std::string error;
  if (!ReadFileBytes(path, tune.Bytes, error)) {
    trouble("cannot open music " + error);
    return std::nullopt;
  }
  const auto micros = MidiLengthMicroseconds(tune.Bytes);
  if (!micros) {
    trouble("cannot play music " + path + ": not a standard MIDI file");
    return std::nullopt;
  }
  tune.Microseconds = *micros;
  return tune;
}
