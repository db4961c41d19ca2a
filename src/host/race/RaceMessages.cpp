#include "host/race/RaceMessages.h"

#include "base/ByteReader.h"
#include "game/SliderRange.h"

namespace {

constexpr std::uint8_t kMagic0 = 'V', kMagic1 = 'R';

enum class Type : std::uint8_t { Hello = 1, Reject = 2, Ping = 3, Pong = 4, Start = 5, Input = 6, Digest = 7, End = 8, Again = 9 };

// How an event of the stream travels: its kind, then a key, a command or a
// slider's position.
enum class EventCode : std::uint8_t { KeyDown = 1, KeyUp = 2, Pause = 3, Speed = 4 };

constexpr int kMaxSliderValue = kSpeedSliderMax;

class Writer {
 public:
  explicit Writer(Type type) { bytes_ = {kMagic0, kMagic1, static_cast<std::uint8_t>(type)}; }
  void Byte(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void Little(std::uint64_t v, int count) {
    for (int i = 0; i < count; ++i) Byte(static_cast<std::uint32_t>((v >> (8 * i)) & 0xFF));
  }
  void Text(const std::string& s) {
    const std::size_t n = std::min(s.size(), kMaxVersionBytes);
    Byte(static_cast<std::uint32_t>(n));
    bytes_.insert(bytes_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

void WriteEvent(Writer& w, const Event& e) {
  switch (e.Kind) {
    case EventKind::KeyDown:
    case EventKind::KeyUp:
      w.Byte(static_cast<std::uint32_t>(e.Kind == EventKind::KeyDown ? EventCode::KeyDown : EventCode::KeyUp));
      w.Byte(static_cast<std::uint32_t>(e.Key));
      break;
    case EventKind::Menu: w.Byte(static_cast<std::uint32_t>(EventCode::Pause)); break;
    case EventKind::Slider:
      w.Byte(static_cast<std::uint32_t>(EventCode::Speed));
      w.Little(static_cast<std::uint32_t>(e.Value), 2);
      break;
    default: break;
  }
}

struct Encoder {
  std::vector<std::uint8_t> operator()(const HelloMessage& m) const {
    Writer w(Type::Hello);
    w.Little(m.Protocol, 2);
    w.Little(m.Rules, 2);
    w.Text(m.Version);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const RejectMessage& m) const {
    Writer w(Type::Reject);
    w.Byte(static_cast<std::uint32_t>(m.Reason));
    w.Little(m.Protocol, 2);
    w.Little(m.Rules, 2);
    w.Text(m.Version);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const PingMessage& m) const {
    Writer w(m.Answer ? Type::Pong : Type::Ping);
    w.Little(m.Stamp, 4);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const StartMessage& m) const {
    Writer w(Type::Start);
    w.Little(m.Seed, 4);
    w.Little(m.FrameMs, 2);
    w.Byte(m.Delay);
    w.Byte(m.Round);
    w.Little(m.After, 4);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const InputMessage& m) const {
    Writer w(Type::Input);
    w.Byte(m.Round);
    w.Little(m.Ack, 4);
    w.Little(m.First, 4);
    const std::size_t turns = std::min(m.Turns.size(), kMaxTurnsPerInput);
    w.Byte(static_cast<std::uint32_t>(turns));
    for (std::size_t t = 0; t < turns; ++t) {
      const std::size_t events = std::min(m.Turns[t].size(), kMaxEventsPerTurn);
      w.Byte(static_cast<std::uint32_t>(events));
      for (std::size_t i = 0; i < events; ++i) WriteEvent(w, m.Turns[t][i]);
    }
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const DigestMessage& m) const {
    Writer w(Type::Digest);
    w.Byte(m.Round);
    w.Little(m.Turn, 4);
    w.Little(m.Value, 8);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const EndMessage& m) const {
    Writer w(Type::End);
    w.Little(m.LastTurn, 4);
    return w.Take();
  }
  std::vector<std::uint8_t> operator()(const AgainMessage&) const { return Writer(Type::Again).Take(); }
};

std::string ReadText(ByteReader& r) {
  const std::uint8_t n = r.Byte();
  if (n > kMaxVersionBytes) {
    r.Skip(0xFFFFFFFF);
    return {};
  }
  std::string s;
  for (int i = 0; i < n && r.Ok(); ++i) s += static_cast<char>(r.Byte());
  return s;
}

std::optional<Event> ReadEvent(ByteReader& r) {
  switch (static_cast<EventCode>(r.Byte())) {
    case EventCode::KeyDown: return Event::KeyDown(r.Byte());
    case EventCode::KeyUp: return Event::KeyUp(r.Byte());
    case EventCode::Pause: return Event::MenuChoice(MenuCommand::Pause);
    case EventCode::Speed: {
      const int value = static_cast<int>(r.Little(2));
      if (value > kMaxSliderValue) return std::nullopt;
      return Event::SliderMove(SliderId::Speed, value);
    }
    default: return std::nullopt;
  }
}

std::optional<RaceMessage> ReadInput(ByteReader& r, std::string& error) {
  InputMessage m;
  m.Round = r.Byte();
  m.Ack = r.Little(4);
  m.First = r.Little(4);
  const std::uint8_t turns = r.Byte();
  if (turns > kMaxTurnsPerInput) {
    error = "an input message with " + std::to_string(turns) + " turns";
    return std::nullopt;
  }
  for (int t = 0; t < turns && r.Ok(); ++t) {
    const std::uint8_t events = r.Byte();
    if (events > kMaxEventsPerTurn) {
      error = "an input message with " + std::to_string(events) + " events in a turn";
      return std::nullopt;
    }
    std::vector<Event>& turn = m.Turns.emplace_back();
    for (int i = 0; i < events && r.Ok(); ++i) {
      const std::optional<Event> e = ReadEvent(r);
      if (!e) {
        error = "an input message with an event of no known kind";
        return std::nullopt;
      }
      turn.push_back(*e);
    }
  }
  return m;
}

std::optional<RaceMessage> ReadBody(Type type, ByteReader& r, std::string& error) {
  switch (type) {
    case Type::Hello: {
      HelloMessage m;
      m.Protocol = static_cast<std::uint16_t>(r.Little(2));
      m.Rules = static_cast<std::uint16_t>(r.Little(2));
      m.Version = ReadText(r);
      return m;
    }
    case Type::Reject: {
      RejectMessage m;
      const std::uint8_t reason = r.Byte();
      if (reason < 1 || reason > static_cast<std::uint8_t>(RejectReason::Full)) {
        error = "a refusal for no known reason";
        return std::nullopt;
      }
      m.Reason = static_cast<RejectReason>(reason);
      m.Protocol = static_cast<std::uint16_t>(r.Little(2));
      m.Rules = static_cast<std::uint16_t>(r.Little(2));
      m.Version = ReadText(r);
      return m;
    }
    case Type::Ping:
    case Type::Pong: return PingMessage{type == Type::Pong, r.Little(4)};
    case Type::Start: {
      StartMessage m;
      m.Seed = r.Little(4);
      m.FrameMs = static_cast<std::uint16_t>(r.Little(2));
      m.Delay = r.Byte();
      m.Round = r.Byte();
      m.After = r.Little(4);
      return m;
    }
    case Type::Input: return ReadInput(r, error);
    case Type::Digest: {
      DigestMessage m;
      m.Round = r.Byte();
      m.Turn = r.Little(4);
      m.Value = r.Little(4);
      m.Value |= static_cast<std::uint64_t>(r.Little(4)) << 32;
      return m;
    }
    case Type::End: return EndMessage{r.Little(4)};
    case Type::Again: return AgainMessage{};
  }
  error = "a message of no known type " + std::to_string(static_cast<int>(type));
  return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> EncodeMessage(const RaceMessage& message) { return std::visit(Encoder{}, message); }

std::optional<RaceMessage> DecodeMessage(std::span<const std::uint8_t> bytes, std::string& error) {
  ByteReader r(bytes);
  if (r.Byte() != kMagic0 || r.Byte() != kMagic1 || !r.Ok()) {
    error = "a message that is not the race's";
    return std::nullopt;
  }
  std::optional<RaceMessage> m = ReadBody(static_cast<Type>(r.Byte()), r, error);
  if (m && (!r.Ok() || !r.AtEnd())) {
    error = r.Ok() ? "a message with bytes after its end" : "a message cut short";
    return std::nullopt;
  }
  return m;
}
