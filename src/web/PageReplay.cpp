#include "web/PageReplay.h"

#include <memory>
#include <sstream>

#include "base/ClockSeed.h"
#include "base/Trouble.h"
#include "game/StateDump.h"
#include "host/io/PictureHash.h"
#include "host/io/TimedMusic.h"
#include "host/loop/HeadlessRun.h"
#include "host/replay/Replay.h"
#include "screens/Title.h"
#include "state/Game.h"
#include "web/PageAssets.h"

PageReplayResult PlayPageReplay(const std::string& text, const std::string& name, std::optional<std::uint32_t> seed,
                                int stage) {
  PageReplayResult result;
  ReplayScript script;
  ReplayError bad;
  if (!ParseReplay(text, script, bad)) {
    result.Error = AtLine(name, bad.Line, bad.What);
    return result;
  }
  auto g = std::make_unique<Game>();
  GlyphText glyphs;
  if (!LoadPageAssets(*g, glyphs, result.Error)) return result;
  SetUpGame(*g, script.Seed ? *script.Seed : seed ? *seed : MillisecondsSinceMidnightUtc());
  g->PracticeStage = script.Stage.value_or(stage);
  g->HiScore = script.HiScore.value_or(0);

  HeadlessRun run(*g);
  TimedMusic music(run, kPageAssetDir);
  g->MusicPlayer.Attach(&music);
  ShowTitle(*g);
  if (!run.Run(script, bad)) {
    result.Error = AtLine(name, bad.Line, bad.What);
    return result;
  }
  std::ostringstream dump;
  DumpState(*g, run.Now(), dump);
  result.StateDump = dump.str();
  result.PictureHash = PictureHash(*g);
  result.Ok = true;
  return result;
}
