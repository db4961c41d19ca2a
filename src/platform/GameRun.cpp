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
#include "host/io/PictureHash.h"
#include "host/io/PrintTrouble.h"
#include "host/io/Sheets.h"
#include "host/loop/HeadlessRun.h"
#include "host/records/RecordKeeper.h"
#include "host/records/RunRecords.h"
#include "host/replay/ReplayRecorder.h"
#include "host/settings/PlayerName.h"
#include "host/settings/SettingsStore.h"
#include "host/settings/SpeedAndBrightness.h"
#include "platform/GameMenus.h"
#include "platform/ImGuiOverlay.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordsDialogs.h"
#include "platform/ReplayWatch.h"
#include "platform/Screenshot.h"
#include "platform/SdlMusicSystem.h"
#include "platform/SettingsKeeper.h"
#include "platform/SettingsMenus.h"
#include "platform/TtfText.h"
#include "platform/WindowRun.h"
#include "screens/Title.h"
#include "state/Game.h"

namespace {

constexpr int kFileTrouble = 1;
constexpr int kMalformed = 2;

// SDL falls back to drawing off screen when there is no display at all;
// only a run that asked for that on purpose may go on without one.
bool HasDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool offScreen = driver && (std::string(driver) == "offscreen" || std::string(driver) == "dummy");
  return !offScreen || std::getenv("SDL_VIDEODRIVER") != nullptr;
}

bool ReadReplay(const std::string& file, ReplayScript& script, int& status) {
  std::vector<unsigned char> bytes;
  std::string error;
  if (!ReadFileBytes(file, bytes, error)) {
    PrintTrouble(error);
    status = kFileTrouble;
    return false;
  }
  ReplayError bad;
  if (!ParseReplay(std::string(bytes.begin(), bytes.end()), script, bad)) {
    std::cerr << AtLine(file, bad.Line, bad.What) << '\n';
    status = kMalformed;
    return false;
  }
  return true;
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
  if (records) {
    records->Begin(start, std::chrono::system_clock::now(), PlayerName(chosen, ProcessEnvironment(), AccountName()),
                   recordKeeper);
    window.SavePicturesIn(PicturesFolder(ProcessEnvironment()));
  }
  SdlMusicSystem music(window, false, chosen.SoundFont, assetDir);
  SettingsInUse settings(g, store, OverridesFrom(o));
  SettingsKeeper keeper(settings, window, music);
  SettingsMenus settingsMenus(settings, [&window] { return window.UsableArea(); });
  // Watching a recording from the Game menu ends this run and starts the
  // program again on it.
  std::string watch;
  RecordsDialogs recordsDialogs(records, [&](const std::string& file) {
    watch = file;
    g.CloseRequested = true;
  });
  // While a replay plays, the menus and dialogs are shown but change nothing.
  GameMenus menus(g, [&window](const Event& e) {
    if (!window.Replaying()) window.Submit(e);
  }, &settingsMenus);
  menus.AddRecords(&recordsDialogs);
  ImGuiOverlay overlay;
  overlay.Init(window.Window(), window.Renderer(), menus);
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
  const bool ok = window.Run();
  g.Screen = nullptr;
  recordKeeper.Finish();
  if (!ok) {
    std::cerr << window.Trouble() << '\n';
    return kMalformed;
  }
  const int status = Finish(g, o, window.Elapsed());
  if (!watch.empty() && status == 0) {
    WatchRecording(watch, assetDir, o.SoundFont, error);
    PrintTrouble(error);
    return kFileTrouble;
  }
  return status;
}

int RunWithOptions(const Options& o) {
  const std::string assetDir = o.AssetDir.empty() ? FindAssetDir(ProgramFolder()) : o.AssetDir;

  ReplayScript script;
  int status = 0;
  if (!o.ReplayFile.empty() && !ReadReplay(o.ReplayFile, script, status)) return status;

  auto g = std::make_unique<Game>();
  std::string error;
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
  // recording being watched leaves none.
  std::unique_ptr<RunRecords> records;
  if (!o.Headless && !o.NoRecords && o.ReplayFile.empty()) {
    const std::string folder = GameDataFolder(ProcessEnvironment());
    if (folder.empty()) PrintTrouble("no records are kept: neither XDG_DATA_HOME nor HOME names a folder");
    else records = std::make_unique<RunRecords>(folder, PrintTrouble);
  }

  ReplayStart start;
  start.Seed = script.Seed ? *script.Seed : o.Seed ? *o.Seed : MillisecondsSinceMidnightUtc();
  start.Stage = script.Stage.value_or(o.Stage);
  start.HiScore = script.HiScore ? *script.HiScore : records ? records->BestScore() : 0;
  SetUpGame(*g, start.Seed);
  g->PracticeStage = start.Stage;
  g->HiScore = start.HiScore;
  return o.Headless ? RunHeadless(*g, o, assetDir, script) : RunInWindow(*g, o, assetDir, script, start, records.get());
}

}  // namespace

int RunGame(const Options& options) {
  const int status = RunWithOptions(options);
  SDL_Quit();
  return status;
}
