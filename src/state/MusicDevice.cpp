#include "state/MusicDevice.h"

bool MusicDevice::TakeNotify(bool byDefault) {
  const bool on = notifySet_ ? notify_ : byDefault;
  notifySet_ = false;
  return on;
}

bool MusicDevice::TakeWait(bool byDefault) {
  const bool on = waitSet_ ? wait_ : byDefault;
  waitSet_ = false;
  return on;
}

void MusicDevice::Open() {
  TakeNotify(false);
  TakeWait(true);
  Close();
  // A tune that cannot be opened leaves the device closed: it is silence.
  if (!backend_ || backend_->Open(fileName_)) state_ = State::Stopped;
}

void MusicDevice::Play() {
  const bool notify = TakeNotify(true);
  const bool wait = TakeWait(false);
  if (state_ == State::Closed) return;
  // A notice still outstanding is superseded by this play: nothing to do.
  noticePending_ = false;
  if (wait) {
    state_ = State::Playing;
    if (backend_) backend_->PlayAndWait();
    state_ = State::Stopped;
    return;
  }
  noticePending_ = notify;
  state_ = State::Playing;
  if (backend_) {
    backend_->ExpectNotice(notify);
    backend_->Play();
  }
}

void MusicDevice::Stop() {
  TakeNotify(false);
  TakeWait(true);
  if (state_ == State::Closed) return;
  // An outstanding notice is aborted, and the handler ignores aborted plays.
  noticePending_ = false;
  if (backend_) backend_->Stop();
  state_ = State::Stopped;
}

void MusicDevice::Close() {
  TakeNotify(false);
  TakeWait(true);
  if (state_ == State::Closed) return;
  noticePending_ = false;
  if (backend_) backend_->Close();
  state_ = State::Closed;
}

bool MusicDevice::Completed(NotifyResult& result) {
  if (state_ != State::Playing) return false;
  if (backend_ && !backend_->PlayEnded()) return false;
  state_ = State::Stopped;
  if (!noticePending_) return false;
  noticePending_ = false;
  result = NotifyResult::Successful;
  return true;
}

const char* MusicDevice::StateName() const {
  switch (state_) {
    case State::Closed: return "closed";
    case State::Stopped: return "stopped";
    case State::Playing: return "playing";
  }
  return "closed";
}
