#include "host/replay/ReplayFile.h"

#include <vector>

#include "base/FileBytes.h"
#include "base/Trouble.h"
#include "host/io/ExitStatus.h"

bool ReadReplayFile(const std::string& file, ReplayScript& script, std::string& error, int& status) {
  std::vector<unsigned char> bytes;
  if (!ReadFileBytes(file, bytes, error)) {
    status = kFileTrouble;
    return false;
  }
  ReplayError bad;
  if (!ParseReplay(std::string(bytes.begin(), bytes.end()), script, bad)) {
    error = AtLine(file, bad.Line, bad.What);
    status = kMalformed;
    return false;
  }
  return true;
}
