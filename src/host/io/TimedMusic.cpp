#include "host/io/TimedMusic.h"

#include "base/MidiLength.h"
#include "host/io/PrintTrouble.h"
#include "host/io/TuneFile.h"
#include "host/loop/GameHold.h"

bool TimedMusic::Open(const std::string& file) {
  const auto tune = ReadTuneFile(assetDir_ + "/" + file, PrintTrouble);
  if (!tune) return false;
  Stop();
  file_ = file;
  lengthMs_ = WholeMilliseconds(tune->Microseconds);
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
