#include "platform/GameRun.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "base/ClockSeed.h"
#include "base/FileBytes.h"
#include "base/Trouble.h"
#include "base/XdgFolders.h"
#include "drawing/ClientArea.h"
#include "game/StateDump.h"
#include "host/io/AssetFolder.h"
#include "host/io/CommandLine.h"
#include "host/io/ExitStatus.h"
#include "host/io/PictureHash.h"
#include "host/io/PrintTrouble.h"
#include "host/io/Sheets.h"
#include "host/loop/FreshGame.h"
#include "host/loop/HeadlessRun.h"
#include "host/records/RecordKeeper.h"
#include "host/records/RunRecords.h"
#include "host/replay/ReplayFile.h"
#include "host/replay/ReplayRecorder.h"
#include "host/settings/PlayerName.h"
#include "host/settings/SettingsStore.h"
#include "host/settings/SpeedAndBrightness.h"
#include "platform/GameMenus.h"
#include "platform/HeadlessRaceRun.h"
#include "platform/ImGuiOverlay.h"
#include "platform/NoticeStack.h"
#include "platform/ProgramFolder.h"
#include "platform/RaceDialogs.h"
#include "platform/RacePanel.h"
#include "platform/WindowRace.h"
#include "platform/RecordsDialogs.h"
#include "platform/WatchBanner.h"
#include "platform/Screenshot.h"
#include "platform/SdlMusicSystem.h"
#include "platform/SettingsKeeper.h"
#include "platform/SettingsMenus.h"
#include "platform/TtfText.h"
#include "platform/WindowRun.h"
#include "screens/Title.h"
#include "state/Game.h"

namespace {

// SDL falls back to drawing off screen when there is no display at all;
// only a run that asked for that on purpose may go on without one.
bool HasDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool offScreen = driver && (std::string(driver) == "offscreen" || std::string(driver) == "dummy");
  return !offScreen || std::getenv("SDL_VIDEODRIVER") != nullptr;
}

// What every run does once the game has stopped.
int Finish(Game& g, const Options& o, std::int64_t virtualTime) {
  if (o.DumpState) DumpState(g, virtualTime, std::cout);
  if (o.PictureHash) std::cout << "picture " << PictureHash(g) << '\n';
  if (!o.ScreenshotFile.empty()) {
    Surface picture;
    ComposeShownClientArea(g, picture);
    std::string error;
    if (!SavePng(picture, o.ScreenshotFile, error)) {
      PrintTrouble(error);
      return kFileTrouble;
    }
  }
  return 0;
}

int RunHeadless(Game& g, const Options& o, const std::string& assetDir, const ReplayScript& script) {
  HeadlessRun run(g);
  SdlMusicSystem music(run, true, o.SoundFont, assetDir);
  music.AttachTo(g);
  ShowTitle(g);
  ReplayError bad;
  if (!run.Run(script, bad)) {
    std::cerr << AtLine(o.ReplayFile, bad.Line, bad.What) << '\n';
    return kMalformed;
  }
  return Finish(g, o, run.Now());
}

// The settings file of a run in a window: --settings FILE, else the one in
// the config folder; none with --no-settings or when no folder can be named.
SettingsStore OpenSettings(const Options& o) {
  if (o.NoSettings) return SettingsStore();
  const std::string folder = GameConfigFolder(ProcessEnvironment());
  if (o.SettingsFile.empty() && folder.empty()) {
    PrintTrouble("no folder for the settings (neither XDG_CONFIG_HOME nor HOME is set); they last until the game ends");
    return SettingsStore();
  }
  return SettingsStore(o.SettingsFile.empty() ? folder + "/" + kSettingsFileName : o.SettingsFile, PrintTrouble);
}

SettingsOverrides OverridesFrom(const Options& o) {
  SettingsOverrides over;
  over.LanguageSet = o.Lang.has_value();
  over.Lang = o.Lang.value_or(Language::Japanese);
  over.SoundFont = o.SoundFont;
  return over;
}

int RunInWindow(Game& g, const Options& o, const std::string& assetDir, const ReplayScript& script,
                const ReplayStart& start, RunRecords* records) {
  SettingsStore store = OpenSettings(o);
  const Settings chosen = WithOverrides(store.Current(), OverridesFrom(o));
  ReplayRecorder recorder;
  RecordKeeper recordKeeper(g, LocalDateNow);
  std::string error;
  WindowRun window(g, &recordKeeper);
  if (!window.Open(error, chosen.WindowScale, chosen.FullScreen)) {
    PrintTrouble(error);
    return kFileTrouble;
  }
  if (!HasDisplay()) {
    PrintTrouble("cannot open the window: no display available (SDL_VIDEODRIVER=offscreen runs without one)");
    return kFileTrouble;
  }
  // The recording is begun only once there is a game to record, so a run
  // that cannot start leaves no file behind.
  if (!o.RecordFile.empty()) {
    if (!recorder.Open(o.RecordFile, start, error)) {
      PrintTrouble(error);
      return kFileTrouble;
    }
    recordKeeper.AddRecording(&recorder, "");
  }
  const std::string playerName = PlayerName(chosen, ProcessEnvironment(), AccountName());
  const auto keepRecords = [&](const ReplayStart& s) {
    if (records) records->Begin(s, std::chrono::system_clock::now(), playerName, recordKeeper);
  };
  if (records) window.SavePicturesIn(PicturesFolder(ProcessEnvironment()));
  if (o.ReplayFile.empty()) keepRecords(start);
  SdlMusicSystem music(window, false, chosen.SoundFont, assetDir);
  SettingsInUse settings(g, store, OverridesFrom(o));
  SettingsKeeper keeper(settings, window, music);
  SettingsMenus settingsMenus(settings, [&window] { return window.UsableArea(); });
  // Watching a recording from the Game menu puts a new game, the recording's,
  // in place of the one running, between two turns of the loop.
  std::string watch;
  RecordsDialogs recordsDialogs(records, [&](const std::string& file) { watch = file; });
  // Stopping the watching, or the end of an online race, starts a game of
  // this run's own, kept in the records as any is.
  const auto startOwnGame = [&] {
    const ReplayStart fresh{o.Seed.value_or(MillisecondsSinceMidnightUtc()), o.Stage, records ? records->BestScore() : 0};
    StartGameAfresh(g, fresh);
    keepRecords(fresh);
    for (const Event& e : SlidersForSettings(g, settings.Shown())) window.Submit(e);
    settings.Watch();
  };
  window.OnWatchStopped(startOwnGame);
  // An online race's game is recorded apart: the run's own recording ends
  // when the race begins.
  WindowRace race(g, window, settings, records, [&] { recordKeeper.Finish(); }, startOwnGame);
  RaceDialogs raceDialogs(settings, race.Actions());
  window.BeforeTurn([&] {
    race.AfterTurn();
    if (watch.empty()) return;
    ReplayScript watched;
    int status = 0;
    if (ReadReplayFile(watch, watched, error, status)) {
      recordKeeper.Finish();
      StartGameAfresh(g, StartOf(watched, ReplayStart{}));
      window.Watch(watched, watch);
    } else {
      PrintTrouble(error);
    }
    watch.clear();
  });
  // While a recording plays, the items that would change the game are
  // greyed, and what the menus and dialogs send is ignored.
  GameMenus menus(g, [&window](const Event& e) { window.Submit(e); }, &settingsMenus);
  menus.AddRecords(&recordsDialogs);
  menus.AddRace(&raceDialogs);
  menus.WhileWatching([&window] { return window.Replaying(); });
  ImGuiOverlay overlay;
  overlay.Init(window.Window(), window.Renderer(), menus);
  WatchBanner banner(window, settings);
  overlay.AddBanner(&banner);
  NoticeStack notices(settings);
  overlay.AddNotices(&notices);
  RacePanel racePanel(race);
  overlay.AddRacePanel(&racePanel);
  window.SetOverlay(&overlay);
  g.Screen = &window;
  music.AttachTo(g);
  ShowTitle(g);
  // The remembered speed and brightness reach the game first, so that a
  // recording begins with them; a replay brings its own.
  if (!o.ReplayFile.empty()) {
    window.PlayReplay(script, o.ReplayFile);
  } else {
    for (const Event& e : SlidersForSettings(g, chosen)) window.Submit(e);
  }
  if (o.RaceHost || o.RaceJoin) {
    if (o.RaceHost) race.Host(o.RaceHostPort.value_or(static_cast<std::uint16_t>(chosen.RacePort)));
    else race.Join(*o.RaceJoin);
    raceDialogs.ShowWait(o.RaceHost);
  }
  const bool ok = window.Run();
  g.Screen = nullptr;
  recordKeeper.Finish();
  if (!ok) {
    std::cerr << window.Trouble() << '\n';
    return kMalformed;
  }
  return Finish(g, o, window.Elapsed());
}

int RunWithOptions(const Options& o) {
  const std::string assetDir = o.AssetDir.empty() ? FindAssetDir(ProgramFolder()) : o.AssetDir;

  ReplayScript script;
  int status = 0;
  std::string error;
  if (!o.ReplayFile.empty() && !ReadReplayFile(o.ReplayFile, script, error, status)) {
    if (status == kFileTrouble) PrintTrouble(error);
    else std::cerr << error << '\n';
    return status;
  }

  auto g = std::make_unique<Game>();
  auto text = TtfText::Create(error);
  if (!text) {
    PrintTrouble(error);
    return kFileTrouble;
  }
  g->Text = text.get();
  if (!LoadSheets(*g, assetDir, error)) {
    if (o.AssetDir.empty()) error += " (no assets beside the program or in its installed data folder; --assets DIR names them)";
    PrintTrouble(error);
    return kFileTrouble;
  }

  // A game played in a window leaves records, unless asked not to; a
  // recording being watched leaves none, but the games after it do.
  std::unique_ptr<RunRecords> records;
  if (!o.Headless && !o.NoRecords) {
    const std::string folder = GameDataFolder(ProcessEnvironment());
    if (folder.empty()) PrintTrouble("no records are kept: neither XDG_DATA_HOME nor HOME names a folder");
    else records = std::make_unique<RunRecords>(folder, PrintTrouble);
  }

  ReplayStart start{o.Seed.value_or(MillisecondsSinceMidnightUtc()), o.Stage, 0};
  if (!o.ReplayFile.empty()) start = StartOf(script, start);
  else if (records) start.HiScore = records->BestScore();
  SetUpGame(*g, start.Seed);
  g->PracticeStage = start.Stage;
  g->HiScore = start.HiScore;
  if (o.Headless && (o.RaceHost || o.RaceJoin)) return RunHeadlessRaceGame(*g, o, assetDir);
  return o.Headless ? RunHeadless(*g, o, assetDir, script) : RunInWindow(*g, o, assetDir, script, start, records.get());
}

}  // namespace

int RunGame(const Options& options) {
  const int status = RunWithOptions(options);
  SDL_Quit();
  return status;
}
