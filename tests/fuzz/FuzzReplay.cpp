// libFuzzer target: any bytes as a replay file. The parser either accepts
// them, and every step it read writes back as a line that parses to the same
// step, or rejects them with a line number inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/replay/Replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ReplayScript script;
  ReplayError error;
  if (!ParseReplay(text, script, error)) {
    if (error.Line < 1 || error.What.empty()) std::abort();
    return 0;
  }
  for (const ReplayStep& step : script.Steps) {
    if (step.What != ReplayStep::Kind::Dispatch) continue;
    ReplayScript again;
    if (!ParseReplay(std::string(kReplayHeader) + "\n" + ReplayLine(step.Dispatched) + "\n", again, error) ||
        again.Steps.size() != 1 || ReplayLine(again.Steps[0].Dispatched) != ReplayLine(step.Dispatched)) {
      std::abort();
    }
  }
  return 0;
}
