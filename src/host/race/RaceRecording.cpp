#include "host/race/RaceRecording.h"

std::vector<std::string> RaceRecordingNotes(RaceRole side, const std::string& where, const std::string& version,
                                            const std::string& otherVersion, const StartMessage& start) {
  const std::string other = otherVersion.empty() ? "unknown" : otherVersion;
  const bool host = side == RaceRole::Host;
  return {
      "online race " + std::string(host ? "hosted on " : "joined at ") + where + ", this side " +
          (host ? "player 1 (host)" : "player 2 (guest)"),
      "online race between velmorane " + (host ? version : other) + " (host) and velmorane " +
          (host ? other : version) + " (guest)",
      "online race input delay " + std::to_string(start.Delay) + " turns, frame " + std::to_string(start.FrameMs) +
          " ms",
  };
}
