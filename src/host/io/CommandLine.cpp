#include "host/io/CommandLine.h"

#include <algorithm>

#include "base/DecimalNumber.h"
#include "host/replay/Replay.h"
#include "state/StageNumbers.h"

namespace {

// A stage number as the help names it: 1 to 10, without leading zeros.
bool ParseStage(const std::string& text, int& stage) {
  const std::optional<std::uint64_t> n = ParseDecimal(text, kLastStage);
  if (!n || *n < kFirstStage || text.front() == '0') return false;
  stage = static_cast<int>(*n);
  return true;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Checks that a race's options make sense together.
bool CheckRace(const Options& o, std::string& error) {
  const bool racing = o.RaceHost || o.RaceJoin;
  if (o.RaceHost && o.RaceJoin) error = "--host and --join cannot be used together";
  else if (!o.RaceInputs.empty() && !(o.Headless && racing)) error = "--inputs needs --headless and --host or --join";
  else if (o.Headless && racing && o.RaceInputs.empty()) error = "--headless with --host or --join needs --inputs FILE";
  else if (racing && !o.ReplayFile.empty()) error = "--replay cannot be used with --host or --join";
  else return true;
  return false;
}

// --host 0 hosts on a free port, which the program tells.
constexpr const char* kAnyFreePort = "0";

// Checks that the options chosen make sense together.
bool CheckCombination(const Options& o, std::string& error) {
  if (!CheckRace(o, error)) return false;
  if (o.Headless && o.ReplayFile.empty() && o.RaceInputs.empty()) error = "--headless needs --replay FILE";
  else if (o.Headless && !o.RecordFile.empty() && o.RaceInputs.empty()) error = "--record cannot be used with --headless --replay";
  else if (!o.RecordFile.empty() && !o.ReplayFile.empty()) error = "--record and --replay cannot be used together";
  else if (o.PrintStageSet && !o.Seed) error = "--print-stage needs --seed N";
  else if (o.NoSettings && !o.SettingsFile.empty()) error = "--settings and --no-settings cannot be used together";
  else return true;
  return false;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, Options& options, std::string& error) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") o.Help = true;
    else if (a == "--version") o.Version = true;
    else if (a == "--headless") o.Headless = true;
    else if (a == "--dump-state") o.DumpState = true;
    else if (a == "--picture-hash") o.PictureHash = true;
    else if (a == "--no-records") o.NoRecords = true;
    else if (a == "--seed") {
      std::uint32_t seed = 0;
      if (!value(v)) return false;
      if (!ParseSeed(v, seed)) {
        error = "--seed: '" + v + "' is not a number from 0 to 4294967295";
        return false;
      }
      o.Seed = seed;
      o.SeedText = v;
    } else if (a == "--stage") {
      if (!value(v)) return false;
      if (!ParseStage(v, o.Stage)) {
        error = "--stage: '" + v + "' is not a stage from 1 to 10";
        return false;
      }
    } else if (a == "--replay") {
      if (!value(o.ReplayFile)) return false;
    } else if (a == "--record") {
      if (!value(o.RecordFile)) return false;
    } else if (a == "--screenshot") {
      if (!value(o.ScreenshotFile)) return false;
    } else if (a == "--soundfont") {
      if (!value(o.SoundFont)) return false;
    } else if (a == "--assets") {
      if (!value(o.AssetDir)) return false;
    } else if (a == "--settings") {
      if (!value(o.SettingsFile)) return false;
    } else if (a == "--no-settings") {
      o.NoSettings = true;
    } else if (a == "--lang") {
      if (!value(v)) return false;
      if (v != "ja" && v != "en") {
        error = "--lang: '" + v + "' is not ja or en";
        return false;
      }
      o.Lang = v == "ja" ? Language::Japanese : Language::English;
    } else if (a == "--host") {
      o.RaceHost = true;
      if (i + 1 < args.size() && AllDigits(args[i + 1])) {
        std::uint16_t port = 0;
        if (args[++i] != kAnyFreePort && !ParseRacePort(args[i], port, error)) {
          error = "--host: " + error;
          return false;
        }
        o.RaceHostPort = port;
      }
    } else if (a == "--join") {
      if (!value(v)) return false;
      RaceAddress address;
      if (!ParseRaceAddress(v, address, error)) {
        error = "--join: " + error;
        return false;
      }
      o.RaceJoin = address;
    } else if (a == "--inputs") {
      if (!value(o.RaceInputs)) return false;
    } else if (a == "--print-stage") {
      if (!value(o.PrintStage)) return false;
      o.PrintStageSet = true;
    } else {
      error = "unknown option '" + a + "' (see --help)";
      return false;
    }
  }
  if (!o.Help && !o.Version && !CheckCombination(o, error)) return false;
  options = o;
  return true;
}

std::string UsageText() {
  return std::string("Usage: velmorane [options]\n"
         "Starts the game in a window.\n"
         "\n"
         "  --seed N               start the random generator at N (0 to 4294967295)\n"
         "                         instead of the time of day\n"
         "  --stage N              the stage (1 to 10) a one-player game starts at\n"
         "  --replay FILE          play back the events of FILE\n"
         "  --record FILE          play in a window (or race headless) and write every\n"
         "                         event to FILE\n"
         "  --headless             no window and no sound, on a virtual clock; needs\n"
         "                         --replay, or --inputs in a race\n"
         "  --host [PORT]          host a two-player race online (port ") +
         std::to_string(kDefaultRacePort) + " unless given;\n"
         "                         0 for a free one, which it tells)\n"
         "  --join ADDRESS[:PORT]  join a race hosted at ADDRESS\n"
         "  --inputs FILE          with --headless: this side's keys in FILE,\n"
         "                         a turn per 'tick Timer1'\n"
         "  --dump-state           print the game state when the run ends\n"
         "  --screenshot FILE      write the window's picture as PNG when the run ends\n"
         "  --picture-hash         print the SHA-256 of that picture's pixels when the run\n"
         "                         ends, as 'picture HASH' after the state\n"
         "  --no-records           keep no high scores and no automatic recording, and\n"
         "                         start with a high score of 0\n"
         "  --assets DIR           folder with the sheets, tunes and effects\n"
         "  --soundfont FILE       SoundFont for the music, for this run\n"
         "  --lang ja|en           menus and dialogs in Japanese or English, for this run\n"
         "  --settings FILE        keep the settings in FILE instead of\n"
         "                         $XDG_CONFIG_HOME/velmorane/settings.ini\n"
         "  --no-settings          read and write no settings file\n"
         "  --print-stage S        print the layout stage S builds (with --seed)\n"
         "  --version              print the version\n"
         "  --help                 print this text\n";
}
