#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/race/RaceAddress.h"
#include "host/settings/Settings.h"

// What the command line asks for. Without options the game starts in a
// window, seeded from the clock.
struct Options {
  bool Help = false;
  bool Version = false;
  bool Headless = false;
  bool DumpState = false;
  bool PictureHash = false;
  bool NoRecords = false;
  std::optional<std::uint32_t> Seed;
  std::string SeedText;  // as written, for --print-stage
  std::string ReplayFile;
  std::string RecordFile;
  std::string ScreenshotFile;
  std::string SoundFont;
  std::string AssetDir;
  std::string PrintStage;
  bool PrintStageSet = false;
  int Stage = 1;
  std::string SettingsFile;  // instead of the one in the config folder
  bool NoSettings = false;
  std::optional<Language> Lang;
  bool RaceHost = false;                      // --host: host a race online
  std::optional<std::uint16_t> RaceHostPort;  // its port; unset: the settings' race_port
  std::optional<RaceAddress> RaceJoin;        // --join: join the race hosted there
  std::string RaceInputs;  // --inputs: this side's keys in a headless race, a turn per "tick Timer1"
};

// Reads the arguments after the program name; false with one line saying
// what is wrong.
bool ParseCommandLine(const std::vector<std::string>& args, Options& options, std::string& error);

// The text of --help.
std::string UsageText();
