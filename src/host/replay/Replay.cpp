#include "host/replay/Replay.h"

#include <istream>
#include <limits>
#include <sstream>

#include "base/DecimalNumber.h"
#include "state/StageNumbers.h"

namespace {

constexpr int kSpeedMax = 300;
constexpr int kBrightnessMax = 200;
constexpr std::int64_t kWaitMax = 24LL * 60 * 60 * 1000;  // a day of game time
constexpr std::int64_t kHiScoreMax = 2147483647;
constexpr std::uint32_t kSeedMax = std::numeric_limits<std::uint32_t>::max();

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool ParseInRange(const std::string& text, std::int64_t max, std::int64_t& value) {
  const std::optional<std::uint64_t> v = ParseDecimal(text, static_cast<std::uint64_t>(max));
  if (!v) return false;
  value = static_cast<std::int64_t>(*v);
  return true;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsStartWord(const std::string& word) {
  return word == "seed" || word == "stage" || word == "hiscore" || word == "rules";
}

// Whether a rules line's number, all digits, names the rules this build plays.
bool OurRules(const std::string& number) {
  const std::optional<std::uint64_t> rules = ParseDecimal(number, std::numeric_limits<std::uint64_t>::max());
  return rules && *rules == kRules;
}

void DropCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

bool IsSkipped(const std::vector<std::string>& words) { return words.empty() || words[0][0] == '#'; }

// One event line; false with what is wrong.
bool ParseStep(const std::vector<std::string>& w, ReplayStep& step, std::string& what) {
  const std::string& verb = w[0];
  const std::size_t n = w.size();
  if (verb == "key") {
    if (n != 3 || (w[1] != "down" && w[1] != "up")) {
      what = "expected 'key down NAME' or 'key up NAME'";
      return false;
    }
    int key = 0;
    if (!KeyFromName(w[2], key)) {
      what = "unknown key '" + w[2] + "' (Left Right Up Down Space Enter or A to Z)";
      return false;
    }
    step.Dispatched = w[1] == "down" ? Event::KeyDown(key) : Event::KeyUp(key);
    return true;
  }
  if (verb == "tick") {
    TimerId id{};
    if (n != 2 || !TimerFromName(w[1].c_str(), id)) {
      what = "expected 'tick TIMER' (TitleTimer Timer1 Timer2 ClearTimer EndingTimer)";
      return false;
    }
    step.Dispatched = Event::Tick(id);
    return true;
  }
  if (verb == "wait") {
    if (n != 2 || !ParseInRange(w[1], kWaitMax, step.Ms)) {
      what = "expected 'wait MS' with MS from 0 to " + std::to_string(kWaitMax);
      return false;
    }
    step.What = ReplayStep::Kind::Wait;
    return true;
  }
  if (verb == "menu") {
    if (n == 2 && w[1] == "restart") step.Dispatched = Event::MenuChoice(MenuCommand::Restart);
    else if (n == 2 && w[1] == "pause") step.Dispatched = Event::MenuChoice(MenuCommand::Pause);
    else if (n == 2 && w[1] == "exit") step.Dispatched = Event::MenuChoice(MenuCommand::Exit);
    else {
      what = "expected 'menu restart', 'menu pause' or 'menu exit'";
      return false;
    }
    return true;
  }
  if (verb == "slider") {
    const bool speed = n == 3 && w[1] == "speed";
    const bool bright = n == 3 && w[1] == "brightness";
    std::int64_t v = 0;
    if (!(speed || bright) || !ParseInRange(w[2], speed ? kSpeedMax : kBrightnessMax, v)) {
      what = "expected 'slider speed N' (0 to 300) or 'slider brightness N' (0 to 200)";
      return false;
    }
    step.Dispatched = Event::SliderMove(speed ? SliderId::Speed : SliderId::Brightness, static_cast<int>(v));
    return true;
  }
  if (verb == "activate") {
    if (n != 1) {
      what = "'activate' takes nothing after it";
      return false;
    }
    step.Dispatched = Event::Activation();
    return true;
  }
  what = "unknown event '" + verb + "'";
  return false;
}

}  // namespace

bool ParseSeed(const std::string& text, std::uint32_t& seed) {
  const std::optional<std::uint64_t> v = ParseDecimal(text, kSeedMax);
  if (!v) return false;
  seed = static_cast<std::uint32_t>(*v);
  return true;
}

bool ParseReplay(const std::string& text, ReplayScript& script, ReplayError& error) {
  script = ReplayScript{};
  std::istringstream in(text);
  std::string line;
  int number = 0;
  bool headerSeen = false;
  bool rulesSeen = false;
  auto fail = [&](std::string what) {
    error.Line = number;
    error.What = std::move(what);
    return false;
  };
  while (std::getline(in, line)) {
    ++number;
    DropCarriageReturn(line);
    if (!headerSeen) {
      if (line != kReplayHeader) return fail(std::string("the first line must be '") + kReplayHeader + "'");
      headerSeen = true;
      continue;
    }
    const std::vector<std::string> w = Words(line);
    if (IsSkipped(w)) continue;
    if (w[0] == "seed") {
      if (script.Seed || !script.Steps.empty()) return fail("'seed' may stand only once, before the first event");
      std::uint32_t seed = 0;
      if (w.size() != 2 || !ParseSeed(w[1], seed)) return fail("expected 'seed N' with N from 0 to 4294967295");
      script.Seed = seed;
      continue;
    }
    if (w[0] == "stage") {
      if (script.Stage || !script.Steps.empty()) return fail("'stage' may stand only once, before the first event");
      std::int64_t stage = 0;
      if (w.size() != 2 || !ParseInRange(w[1], kLastStage, stage) || stage < kFirstStage)
        return fail("expected 'stage N' with N from 1 to 10");
      script.Stage = static_cast<int>(stage);
      continue;
    }
    if (w[0] == "hiscore") {
      if (script.HiScore || !script.Steps.empty()) return fail("'hiscore' may stand only once, before the first event");
      std::int64_t hiscore = 0;
      if (w.size() != 2 || !ParseInRange(w[1], kHiScoreMax, hiscore))
        return fail("expected 'hiscore N' with N from 0 to " + std::to_string(kHiScoreMax));
      script.HiScore = static_cast<int>(hiscore);
      continue;
    }
    if (w[0] == "rules") {
      if (rulesSeen || !script.Steps.empty()) return fail("'rules' may stand only once, before the first event");
      if (w.size() != 2 || !AllDigits(w[1])) return fail("expected 'rules N' with N a whole number");
      if (!OurRules(w[1]))
        return fail("recorded under rules " + w[1] + ", which this version of the game does not know (it plays rules " +
                    std::to_string(kRules) + ")");
      rulesSeen = true;
      continue;
    }
    ReplayStep step;
    step.Line = number;
    std::string what;
    if (!ParseStep(w, step, what)) return fail(what);
    script.Steps.push_back(step);
  }
  if (!headerSeen) {
    number = 1;
    return fail(std::string("empty file: the first line must be '") + kReplayHeader + "'");
  }
  return true;
}

bool MadeUnderOtherRules(std::istream& recording) {
  std::string line;
  if (!std::getline(recording, line)) return false;
  DropCarriageReturn(line);
  if (line != kReplayHeader) return false;
  while (std::getline(recording, line)) {
    const std::vector<std::string> w = Words(line);
    if (IsSkipped(w)) continue;
    if (!IsStartWord(w[0])) return false;
    if (w[0] == "rules") return w.size() == 2 && AllDigits(w[1]) && !OurRules(w[1]);
  }
  return false;
}

ReplayStart StartOf(const ReplayScript& script, const ReplayStart& otherwise) {
  return ReplayStart{script.Seed.value_or(otherwise.Seed), script.Stage.value_or(otherwise.Stage),
                     script.HiScore.value_or(otherwise.HiScore)};
}

std::string ReplayStartLines(const ReplayStart& start) {
  std::string lines = std::string(kReplayHeader) + "\nseed " + std::to_string(start.Seed) + "\n";
  if (start.Stage != kFirstStage) lines += "stage " + std::to_string(start.Stage) + "\n";
  if (start.HiScore != 0) lines += "hiscore " + std::to_string(start.HiScore) + "\n";
  return lines + "rules " + std::to_string(kRules) + "\n";
}

std::string ReplayLine(const Event& e) {
  switch (e.Kind) {
    case EventKind::KeyDown: return "key down " + KeyName(e.Key);
    case EventKind::KeyUp: return "key up " + KeyName(e.Key);
    case EventKind::Tick: return std::string("tick ") + TimerName(e.Timer);
    case EventKind::Menu:
      switch (e.Menu) {
        case MenuCommand::Restart: return "menu restart";
        case MenuCommand::Pause: return "menu pause";
        case MenuCommand::Exit: return "menu exit";
      }
      break;
    case EventKind::Slider:
      return std::string("slider ") + (e.Slider == SliderId::Speed ? "speed " : "brightness ") +
             std::to_string(e.Value);
    case EventKind::Activate: return "activate";
  }
  return "activate";
}
