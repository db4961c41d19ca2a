#include "host/race/RaceTurns.h"

#include <algorithm>

#include "state/Game.h"

void RaceTurns::Begin(const StartMessage& start) {
  frameMs_ = start.FrameMs;
  now_ = 0;
  loop_.Begin(now_);
  if (g_.Timer1.Interval != start.FrameMs) loop_.Submit(Event::SliderMove(SliderId::Speed, start.FrameMs));
  loop_.Submit(Event::KeyDown(vk::Space));
  loop_.Submit(Event::KeyUp(vk::Space));
}

void RaceTurns::Run(const std::vector<Event>& host, const std::vector<Event>& guest) {
  for (const Event& e : host) loop_.Submit(e);
  for (const Event& e : guest) loop_.Submit(e);
  loop_.Turn(now_);
  now_ += UntilNextTurn();
  loop_.Turn(now_);
}

std::int64_t RaceTurns::UntilNextTurn() const {
  const std::optional<std::int64_t> next = loop_.NextWake();
  return next ? std::max<std::int64_t>(*next - now_, 0) : frameMs_;
}
