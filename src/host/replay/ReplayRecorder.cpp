#include "host/replay/ReplayRecorder.h"

#include <cerrno>
#include <cstring>

#include "host/replay/Replay.h"

bool ReplayRecorder::Open(const std::string& path, const ReplayStart& start, std::string& error) {
  Hold(start);
  return Create(path, error);
}

void ReplayRecorder::Hold(const ReplayStart& start) {
  if (out_.is_open()) out_.close();
  out_.clear();
  held_ = ReplayStartLines(start);
  holding_ = true;
}

bool ReplayRecorder::Create(const std::string& path, std::string& error) {
  holding_ = false;
  out_.open(path, std::ios::out | std::ios::trunc);
  if (!out_) {
    held_.clear();
    error = path + ": " + std::strerror(errno);
    return false;
  }
  out_ << held_;
  out_.flush();
  held_.clear();
  return true;
}

void ReplayRecorder::Dispatched(const Event& e) { Write(ReplayLine(e)); }

void ReplayRecorder::Note(const std::string& note) { Write("# " + note); }

void ReplayRecorder::Write(const std::string& line) {
  if (holding_) {
    held_ += line + '\n';
    return;
  }
  out_ << line << '\n';
  out_.flush();
}
