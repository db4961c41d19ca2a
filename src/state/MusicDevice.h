#pragma once

#include <string>

// The platform side of the music device: plays one standard MIDI file at a
// time. The end of a play started with Play() is reported back to the game
// thread as an event, which reaches MusicDevice::Completed.
class MusicBackend {
 public:
  virtual ~MusicBackend() = default;
  // Opens the file by bare name; false (after one line on standard error)
  // when it is missing or cannot be played.
  virtual bool Open(const std::string& file) = 0;
  virtual void Close() = 0;
  // Plays from the current position, from the start if it is at the end.
  virtual void Play() = 0;
  // Told before each Play whether it asks for a completion notice. The game
  // answers a successful end with another Play, so a backend may begin that
  // round itself the moment the tune ends: a repeat then has no gap however
  // late the notice reaches the game thread.
  virtual void ExpectNotice(bool notice) { (void)notice; }
  // Plays from the current position and returns when the tune has ended.
  virtual void PlayAndWait() = 0;
  virtual void Stop() = 0;
  // Whether the last play has really ended. An end notice can still be on
  // its way to the game thread when a newer play has begun; the device then
  // ignores it.
  virtual bool PlayEnded() const { return true; }
};

enum class NotifyResult { Successful, Superseded, Aborted, Failure };

// The media device of the main window (MusicPlayer): file name, open, play,
// stop and close, with the one-shot notice and wait settings that fall back
// to their defaults after each command.
class MusicDevice {
 public:
  enum class State { Closed, Stopped, Playing };

  void Attach(MusicBackend* backend) { backend_ = backend; }
  MusicBackend* Backend() const { return backend_; }

  void SetFileName(const std::string& file) { fileName_ = file; }
  const std::string& FileName() const { return fileName_; }
  void SetNotify(bool on) { notify_ = on; notifySet_ = true; }
  void SetWait(bool on) { wait_ = on; waitSet_ = true; }

  void Open();
  void Play();
  void Stop();
  void Close();

  // The backend reports the end of a play; returns the result for the
  // completion handler, or false when no notice was asked for.
  bool Completed(NotifyResult& result);

  State GetState() const { return state_; }
  const char* StateName() const;

 private:
  bool TakeNotify(bool byDefault);
  bool TakeWait(bool byDefault);

  MusicBackend* backend_ = nullptr;
  std::string fileName_;
  State state_ = State::Closed;
  bool notify_ = false, notifySet_ = false;
  bool wait_ = false, waitSet_ = false;
  bool noticePending_ = false;
};
