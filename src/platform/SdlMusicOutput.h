#pragma once

#include <atomic>

class SdlMusicBackend;

// The audio output shared by music and effects: SDL2_mixer at 44.1 kHz,
// 16-bit stereo. When no sound device can be opened it falls back to SDL's
// dummy driver (the game keeps its timing, silently), and when even that
// fails the game runs without audio output.
class SdlMusicOutput {
 public:
  SdlMusicOutput();
  ~SdlMusicOutput();
  SdlMusicOutput(const SdlMusicOutput&) = delete;
  SdlMusicOutput& operator=(const SdlMusicOutput&) = delete;

  // True when an output is open, real or dummy.
  bool Open();
  bool IsOpen() const { return open_; }
  int SampleRate() const { return open_ ? kSampleRate : 0; }

  // Feeds the music stream from the backend; Unhook before the backend goes.
  void Hook(SdlMusicBackend& backend);
  void Unhook();
  // The music's volume, 0 to 128 (the mixer's scale); the audio thread
  // applies it to every buffer.
  void SetVolume(int mixerVolume) { volume_ = mixerVolume; }

  static constexpr int kSampleRate = 44100;

 private:
  bool TryOpen();

  static void MixMusic(void* self, unsigned char* stream, int bytes);

  bool open_ = false;
  SdlMusicBackend* backend_ = nullptr;
  std::atomic<int> volume_;
};
