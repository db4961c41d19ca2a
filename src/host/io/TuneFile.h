#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Trouble.h"

// A tune's MIDI file read for playing: its bytes and its playing time.
struct TuneFile {
  std::vector<unsigned char> Bytes;
  std::int64_t Microseconds = 0;
};

// Reads the tune at path; empty, with one line of trouble naming the file,
// when it cannot be read or is not a standard MIDI file.
std::optional<TuneFile> ReadTuneFile(const std::string& path, const Trouble& trouble);
