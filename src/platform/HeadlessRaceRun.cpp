#include "platform/HeadlessRaceRun.h"

#include <iostream>

#include "base/ClockSeed.h"
#include "base/SteadyClock.h"
#include "base/Trouble.h"
#include "game/StateDump.h"
#include "host/io/CommandLine.h"
#include "host/io/ExitStatus.h"
#include "host/io/PrintTrouble.h"
#include "host/loop/FreshGame.h"
#include "host/race/HeadlessRace.h"
#include "host/race/RaceInputs.h"
#include "host/race/RaceRecording.h"
#include "host/replay/ReplayFile.h"
#include "host/replay/ReplayRecorder.h"
#include "platform/RaceTransport.h"
#include "platform/SdlMusicSystem.h"
#include "state/Game.h"

namespace {

// This side's inputs from the file, turn by turn, and the seed it names.
bool ReadInputsFile(const std::string& file, RaceRole side, std::vector<std::vector<Event>>& own,
                    std::optional<std::uint32_t>& seed, std::string& error, int& status) {
  ReplayScript script;
  if (!ReadReplayFile(file, script, error, status)) return false;
  ReplayError bad;
  if (!ReadRaceInputs(script, side, own, bad)) {
    error = AtLine(file, bad.Line, bad.What);
    status = kMalformed;
    return false;
  }
  seed = script.Seed;
  return true;
}

}  // namespace

int RunHeadlessRaceGame(Game& g, const Options& o, const std::string& assetDir) {
  const RaceRole side = o.RaceHost ? RaceRole::Host : RaceRole::Guest;
  std::vector<std::vector<Event>> own;
  std::optional<std::uint32_t> fileSeed;
  std::string error;
  int status = 0;
  if (!ReadInputsFile(o.RaceInputs, side, own, fileSeed, error, status)) {
    PrintTrouble(error);
    return status;
  }
  std::uint16_t port = o.RaceHostPort.value_or(kDefaultRacePort);
  std::unique_ptr<Transport> transport = o.RaceHost ? HostRaceOn(port, error) : JoinRaceAt(*o.RaceJoin, error);
  if (!transport) {
    PrintTrouble(error);
    return kRaceLost;
  }
  const std::string where = o.RaceHost ? "port " + std::to_string(port) : RaceAddressText(*o.RaceJoin);
  if (o.RaceHost) std::cerr << "velmorane: hosting a race on port " << port << '\n';
  RaceSession session(*transport, RaceConfigFor(side, where), SteadyMs);
  ReplayRecorder recorder;
  RaceTurns turns(g, o.RecordFile.empty() ? nullptr : &recorder);
  SdlMusicSystem music(turns, true, o.SoundFont, assetDir);
  music.AttachTo(g);
  if (o.RaceHost) {
    session.Offer(o.Seed.value_or(fileSeed.value_or(MillisecondsSinceMidnightUtc())), Settings::kDefaultFrameInterval);
    session.EndAfter(static_cast<std::uint32_t>(own.size() - 1));
  }
  bool recording = true;
  const auto begin = [&](const StartMessage& start) {
    const ReplayStart replayStart{start.Seed, 1, 0};
    StartGameAfresh(g, replayStart);
    if (o.RecordFile.empty()) return;
    recording = recorder.Open(o.RecordFile, replayStart, error);
    if (!recording) return;
    for (const std::string& note : RaceRecordingNotes(side, where, VELMORANE_VERSION, session.OtherVersion(), start)) {
      recorder.Note(note);
    }
  };
  std::string message;
  status = RunHeadlessRace(g, session, turns, own, begin, message);
  if (!recording) PrintTrouble(error);
  if (status != 0) PrintTrouble(message);
  if (session.Outcome() == RaceOutcome::Desync) {
    std::cerr << "velmorane: digests after turn " << session.DesyncTurn() << ": " << std::hex
              << session.LocalDigest() << " here, " << session.RemoteDigest() << " on the other side" << std::dec
              << '\n';
  }
  if (o.DumpState) DumpState(g, turns.Now(), std::cout);
  return status != 0 ? status : (recording ? 0 : kFileTrouble);
}
