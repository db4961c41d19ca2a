#include "host/TimedMusic.h"

#include <cstdio>
#include <vector>

#include "host/FileBytes.h"
#include "host/GameHold.h"
#include "host/MidiLength.h"

bool TimedMusic::Open(const std::string& file) {
  const std::string path = assetDir_ + "/" + file;
  std::vector<unsigned char> bytes;
  std::string error;
  if (!ReadFileBytes(path, bytes, error)) {
    std::fprintf(stderr, "velmorane: cannot open music %s\n", error.c_str());
    return false;
  }
  const auto ms = MidiLengthMs(bytes);
  if (!ms) {
    std::fprintf(stderr, "velmorane: cannot play music %s: not a standard MIDI file\n", path.c_str());
    return false;
  }
  Stop();
  file_ = file;
  lengthMs_ = *ms;
  open_ = true;
  return true;
}

void TimedMusic::Close() {
  Stop();
  open_ = false;
}

void TimedMusic::Play() {
  if (!open_) return;
  playing_ = true;
  if (listener_) listener_->TuneStarted(file_, false);
}

void TimedMusic::PlayAndWait() {
  if (!open_) return;
  playing_ = false;
  if (listener_) listener_->TuneStarted(file_, true);
  hold_.AdvanceVirtualClock(lengthMs_);
}

void TimedMusic::Stop() {
  if (playing_ && listener_) listener_->TuneStopped();
  playing_ = false;
}
