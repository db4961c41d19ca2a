// velmorane_soak: plays the whole game on random input for a given number of
// frames (timer ticks), checking after every event that the state stays in
// range, and that memory in use does not grow.
//
//   velmorane_soak [--frames N] [--seed N] [--assets DIR]
//
// Exit status 0 when nothing broke, every sequence of the game was reached
// (runs of 100,000 frames or more) and the heap did not grow; 1 otherwise.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "SoakChecks.h"
#include "SoakMemory.h"
#include "SoakPlayer.h"
#include "SoakProgress.h"
#include "SoakSheets.h"
#include "game/Events.h"
#include "screens/Title.h"
#include "state/Game.h"
#include "support/MusicLog.h"
#include "support/RunningTimer.h"
#include "support/SoundLog.h"
#include "support/TextLog.h"

namespace {

constexpr std::int64_t kSampleEvery = 1000;
constexpr std::int64_t kCoverageFrames = 100000;
constexpr std::size_t kHeapSlack = 256 * 1024;
constexpr std::int64_t kIdleLimit = 1000000;  // events without a running timer before giving up

struct SoakOptions {
  std::int64_t Frames = 100000;
  std::uint64_t Seed = 1;
  std::string AssetDir;
};

bool ReadOptions(int argc, char** argv, SoakOptions& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const std::string v = argv[++i];
    if (a == "--frames") o.Frames = std::strtoll(v.c_str(), nullptr, 10);
    else if (a == "--seed") o.Seed = std::strtoull(v.c_str(), nullptr, 10);
    else if (a == "--assets") o.AssetDir = v;
    else return false;
  }
  return o.Frames > 0;
}

// One run of the program: its state and the services it talks to.
struct Program {
  MusicLog music;
  SoundLog effects;
  TextLog text{kLetterWidth};
  std::unique_ptr<Game> g = std::make_unique<Game>();

  bool Start(std::uint32_t seed, const std::string& assets, std::string& error) {
    g->MusicPlayer.Attach(&music);
    g->Sound = &effects;
    g->Text = &text;
    if (!LoadSoakSheets(*g, assets, error)) return false;
    SetUpGame(*g, seed);
    ShowTitle(*g);
    return true;
  }

  // The soak only needs the services to answer: what they wrote down is
  // dropped after every event, so the heap stays level.
  void ForgetServiceLogs() {
    music.Calls.clear();
    effects.Played.clear();
    text.Lines.clear();
  }

  // Six pixels a letter, so drawing text touches about the rows and columns a
  // real font would.
  static constexpr int kLetterWidth = 6;
};

// Heap in use sampled along the run: the most seen in the first fifth (the
// warm-up, when every kind of stage and screen has been built once) against
// the most seen in the last half.
struct HeapWatch {
  std::size_t WarmUp = 0, Later = 0, ResidentWarmUp = 0, ResidentEnd = 0;

  void Sample(std::int64_t frame, std::int64_t total) {
    const std::size_t heap = HeapInUse();
    if (frame * 5 <= total) {
      WarmUp = std::max(WarmUp, heap);
      ResidentWarmUp = ResidentBytes();
    }
    if (frame * 2 >= total) Later = std::max(Later, heap);
  }
  bool Grew() const { return Later > WarmUp + kHeapSlack; }
};

std::string Kib(std::size_t bytes) { return std::to_string(bytes / 1024) + " KiB"; }

}  // namespace

int main(int argc, char** argv) {
  SoakOptions o;
  if (!ReadOptions(argc, argv, o)) {
    std::cerr << "usage: velmorane_soak [--frames N] [--seed N] [--assets DIR]\n";
    return 2;
  }
  SoakPlayer player(o.Seed);
  SoakProgress progress;
  HeapWatch heap;
  std::string error;
  auto program = std::make_unique<Program>();
  if (!program->Start(static_cast<std::uint32_t>(o.Seed), o.AssetDir, error)) {
    std::cerr << "velmorane_soak: " << error << '\n';
    return 1;
  }
  const std::size_t residentStart = ResidentBytes();
  // Often enough that a short run still samples its first fifth.
  const std::int64_t sampleEvery = std::clamp<std::int64_t>(o.Frames / 20, 1, kSampleEvery);
  std::int64_t frame = 0, idle = 0, events = 0;
  std::string broken;
  while (frame < o.Frames && broken.empty()) {
    Game& g = *program->g;
    player.Act(g);
    program->ForgetServiceLogs();
    ++events;
    broken = BrokenInvariant(g);
    if (g.CloseRequested) {
      program = std::make_unique<Program>();
      if (!program->Start(static_cast<std::uint32_t>(o.Seed + static_cast<std::uint64_t>(frame)), o.AssetDir,
                          error)) {
        broken = error;
      }
      progress.Restarted();
      continue;
    }
    const auto timer = RunningTimer(g);
    if (!timer) {
      if (++idle > kIdleLimit) broken = "no timer ran for a million events";
      continue;
    }
    idle = 0;
    Dispatch(g, Event::Tick(*timer));
    ++frame;
    if (broken.empty()) broken = BrokenInvariant(g);
    progress.Observe(g);
    if (frame % sampleEvery == 0) heap.Sample(frame, o.Frames);
  }
  heap.ResidentEnd = ResidentBytes();

  std::cout << "soak: " << frame << " frames, " << events << " input moments, seed " << o.Seed << '\n';
  progress.Report(std::cout);
  std::cout << "heap in use: at most " << Kib(heap.WarmUp) << " in the first fifth, at most " << Kib(heap.Later)
            << " in the last half\n";
  std::cout << "resident: " << Kib(residentStart) << " at start, " << Kib(heap.ResidentWarmUp)
            << " after the first fifth, " << Kib(heap.ResidentEnd) << " at the end\n";
  if (!broken.empty()) {
    const Game& g = *program->g;
    std::cout << "FAIL at frame " << frame << ": " << broken << " (PlayMode " << PlayModeCode(g.PlayMode)
              << ", StageNo " << g.StageNo << ", PlayerState " << g.Player.State << ")\n";
    return 1;
  }
  if (frame >= kCoverageFrames) {
    const std::string missing = progress.Missing();
    if (!missing.empty()) {
      std::cout << "FAIL: the run never reached a " << missing << '\n';
      return 1;
    }
  }
  if (heap.Grew()) {
    std::cout << "FAIL: the heap grew by " << Kib(heap.Later - heap.WarmUp) << '\n';
    return 1;
  }
  std::cout << "soak passed\n";
  return 0;
}
