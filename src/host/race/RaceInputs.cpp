#include "host/race/RaceInputs.h"

#include "host/race/RaceMessages.h"

bool ReadRaceInputs(const ReplayScript& script, RaceRole side, std::vector<std::vector<Event>>& turns,
                    ReplayError& error) {
  std::vector<std::vector<Event>> read(1);
  for (const ReplayStep& step : script.Steps) {
    error.Line = step.Line;
    if (step.What != ReplayStep::Kind::Dispatch) {
      error.What = "a race's turns are marked by 'tick Timer1' lines, not by waits";
      return false;
    }
    const Event& e = step.Dispatched;
    if (e.Kind == EventKind::Tick) {
      if (e.Timer != TimerId::Timer1) {
        error.What = "only 'tick Timer1' marks a turn of a race";
        return false;
      }
      read.emplace_back();
      continue;
    }
    Event stream;
    if (!RacerEvent(side, e, stream)) {
      const std::string line = ReplayLine(e);
      error.What = "'" + line + "' is not an input of this side of a race";
      return false;
    }
    if (read.back().size() >= kMaxEventsPerTurn) {
      error.What = "more than " + std::to_string(kMaxEventsPerTurn) + " inputs in one turn";
      return false;
    }
    read.back().push_back(stream);
  }
  turns = std::move(read);
  return true;
}
