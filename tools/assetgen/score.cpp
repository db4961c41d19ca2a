#include "score.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "text_source.h"

namespace assetgen {

namespace {

struct SectionLine {
  std::string track;
  std::vector<NoteEvent> notes;  // starts relative to the section
  int length = 0;
};

struct Section {
  std::vector<SectionLine> lines;
  int length = 0;
};

std::optional<int> PitchOf(const std::string& token) {
  static const std::map<char, int> kBase{{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}};
  if (token.size() < 2 || !kBase.count(token[0])) return std::nullopt;
  int pitch = kBase.at(token[0]);
  std::size_t i = 1;
  if (token[i] == '#') {
    ++pitch;
    ++i;
  } else if (token[i] == 'b' && i + 1 < token.size()) {
    --pitch;
    ++i;
  }
  if (i + 1 != token.size() || token[i] < '0' || token[i] > '9') return std::nullopt;
  return pitch + 12 * (token[i] - '0' + 1);
}

int Repeats(std::vector<std::string>& words, const SourceFile& file, int line) {
  if (!words.empty() && words.back().size() > 1 && words.back()[0] == '*') {
    const int n = ParseInt(words.back().substr(1), file, line);
    words.pop_back();
    if (n < 1) throw SourceError(file, line, "repeat count must be at least 1");
    return n;
  }
  return 1;
}

SectionLine ParseNoteLine(const std::string& track, std::vector<std::string> words, const ScoreTrack& spec,
                          int stepsPerBar, const SourceFile& file, int line) {
  const int repeats = Repeats(words, file, line);
  SectionLine out{track, {}, 0};
  int steps = 4, velocity = spec.velocity, at = 0;
  for (const auto& word : words) {
    if (word == "|") {
      if (at % stepsPerBar) throw SourceError(file, line, "bar line in the middle of a bar");
      continue;
    }
    if (word[0] == 'v' && word.size() > 1 && std::isdigit(static_cast<unsigned char>(word[1]))) {
      velocity = std::clamp(ParseInt(word.substr(1), file, line), 1, 127);
      continue;
    }
    std::string notes = word;
    if (const auto colon = word.find(':'); colon != std::string::npos) {
      steps = ParseInt(word.substr(colon + 1), file, line);
      if (steps < 1) throw SourceError(file, line, "length must be at least one sixteenth");
      notes = word.substr(0, colon);
    }
    if (notes != "r") {
      std::size_t from = 0;
      while (from <= notes.size()) {
        const auto plus = notes.find('+', from);
        const std::string one = notes.substr(from, plus == std::string::npos ? std::string::npos : plus - from);
        const auto pitch = PitchOf(one);
        if (!pitch) throw SourceError(file, line, "not a note: '" + one + "'");
        const int written = steps * kTicksPerStep;
        out.notes.push_back({at * kTicksPerStep, std::max(30, written * spec.gate / 100), *pitch, velocity});
        if (plus == std::string::npos) break;
        from = plus + 1;
      }
    }
    at += steps;
  }
  out.length = at;
  const auto once = out.notes;
  for (int r = 1; r < repeats; ++r)
    for (NoteEvent n : once) {
      n.start += r * at * kTicksPerStep;
      out.notes.push_back(n);
    }
  out.length = at * repeats;
  return out;
}

SectionLine ParseStepLine(const std::string& track, int pitch, const std::vector<std::string>& words,
                          const ScoreTrack& spec, const SourceFile& file, int line) {
  std::string steps, group;
  for (const auto& w : words) {
    const auto star = w.find('*');
    if (star == 0) {
      const int count = ParseInt(w.substr(1), file, line);
      for (int k = 1; k < count; ++k) steps += group;
      continue;
    }
    group = w.substr(0, star);
    const int count = star == std::string::npos ? 1 : ParseInt(w.substr(star + 1), file, line);
    for (int k = 0; k < count; ++k) steps += group;
  }
  SectionLine out{track, {}, 0};
  int at = 0;
  for (char c : steps) {
    if (c == '|') continue;
    int velocity = 0;
    if (c == 'x')
      velocity = spec.velocity;
    else if (c == 'X')
      velocity = std::min(127, spec.velocity + 24);
    else if (c == 'o')
      velocity = spec.velocity * 2 / 3;
    else if (c != '.')
      throw SourceError(file, line, std::string("unknown step '") + c + "'");
    if (velocity) out.notes.push_back({at * kTicksPerStep, kTicksPerStep * spec.gate / 100, pitch, velocity});
    ++at;
  }
  out.length = at;
  return out;
}

void ParseTrack(Score& score, const std::vector<std::string>& w, const SourceFile& file, int line) {
  ScoreTrack t;
  t.name = w[1];
  for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
    const int v = ParseInt(w[i + 1], file, line);
    if (w[i] == "channel")
      t.channel = v - 1;
    else if (w[i] == "program")
      t.program = v - 1;
    else if (w[i] == "volume")
      t.volume = v;
    else if (w[i] == "pan")
      t.pan = v;
    else if (w[i] == "reverb")
      t.reverb = v;
    else if (w[i] == "velocity")
      t.velocity = v;
    else if (w[i] == "gate")
      t.gate = v;
    else
      throw SourceError(file, line, "unknown track setting '" + w[i] + "'");
  }
  if (w.size() % 2) throw SourceError(file, line, "track settings come in name-value pairs");
  if (t.channel < 0 || t.channel > 15 || t.program < 0 || t.program > 127)
    throw SourceError(file, line, "channel 1-16 and program 1-128");
  score.tracks.push_back(t);
}

}  // namespace

Score LoadScore(const std::filesystem::path& path) {
  const SourceFile file = ReadSource(path);
  Score score;
  std::map<std::string, Section> sections;
  Section* open = nullptr;
  int openLine = 0;
  std::vector<std::string> order;
  auto trackNamed = [&](const std::string& name, int line) -> const ScoreTrack& {
    for (const auto& t : score.tracks)
      if (t.name == name) return t;
    throw SourceError(file, line, "no track named '" + name + "'");
  };
  for (const auto& line : file.lines) {
    auto words = SplitWords(line.text);
    if (open) {
      if (words[0] == "end") {
        open = nullptr;
        continue;
      }
      const auto colon = line.text.find(':');
      const auto head = SplitWords(line.text.substr(0, colon));
      if (colon == std::string::npos || head.empty() || head.size() > 2)
        throw SourceError(file, line.number, "expected '<track>: notes' or '<track> <note>: steps'");
      const auto body = SplitWords(line.text.substr(colon + 1));
      const ScoreTrack& spec = trackNamed(head[0], line.number);
      SectionLine parsed = head.size() == 1 ? ParseNoteLine(head[0], body, spec, score.stepsPerBar, file, line.number)
                                            : ParseStepLine(head[0], ParseInt(head[1], file, line.number), body, spec,
                                                            file, line.number);
      if (!open->lines.empty() && parsed.length != open->length)
        throw SourceError(
            file, line.number,
            "line lasts " + std::to_string(parsed.length) + " sixteenths, the section " + std::to_string(open->length));
      open->length = parsed.length;
      open->lines.push_back(std::move(parsed));
      continue;
    }
    if (words[0] == "tempo" && words.size() == 2)
      score.tempo = ParseInt(words[1], file, line.number);
    else if (words[0] == "bar" && words.size() == 2)
      score.stepsPerBar = ParseInt(words[1], file, line.number);
    else if (words[0] == "track" && words.size() >= 2)
      ParseTrack(score, words, file, line.number);
    else if (words[0] == "section" && words.size() == 2) {
      if (sections.count(words[1])) throw SourceError(file, line.number, "section defined twice");
      open = &sections[words[1]];
      openLine = line.number;
    } else if (words[0] == "song")
      order.assign(words.begin() + 1, words.end());
    else
      throw SourceError(file, line.number, "unknown setting '" + words[0] + "'");
  }
  if (open) throw SourceError(file, openLine, "section without 'end'");
  if (order.empty()) throw SourceError(file, 0, "no 'song' line");
  int at = 0;
  for (const auto& name : order) {
    const auto it = sections.find(name);
    if (it == sections.end()) throw SourceError(file, 0, "song names unknown section '" + name + "'");
    if (it->second.length % score.stepsPerBar)
      throw SourceError(file, 0, "section '" + name + "' is not a whole number of bars");
    for (const auto& l : it->second.lines)
      for (auto& track : score.tracks)
        if (track.name == l.track)
          for (NoteEvent n : l.notes) {
            n.start += at;
            track.notes.push_back(n);
          }
    at += it->second.length * kTicksPerStep;
  }
  score.lengthTicks = at;
  return score;
}

}  // namespace assetgen
