#include "host/replay/ReplayRecorder.h"

#include <cerrno>
#include <cstring>

#include "host/replay/Replay.h"

bool ReplayRecorder::Open(const std::string& path, const ReplayStart& start, std::string& error) {
  if (out_.is_open()) out_.close();
  out_.clear();
  out_.open(path, std::ios::out | std::ios::trunc);
  if (!out_) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  out_ << ReplayStartLines(start);
  out_.flush();
  return true;
}

void ReplayRecorder::Dispatched(const Event& e) {
  out_ << ReplayLine(e) << '\n';
  out_.flush();
}

void ReplayRecorder::Note(const std::string& note) {
  out_ << "# " << note << '\n';
  out_.flush();
}
