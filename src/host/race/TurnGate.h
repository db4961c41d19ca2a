#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "game/Events.h"
#include "host/race/RaceMessages.h"

// Which turns of a race may run: a turn runs once both sides' inputs for it
// are here. What a side does at its turn t runs at t + delay on both sides;
// the first delay turns are empty for both. Every message to the other side
// repeats the inputs it has not acknowledged yet, so a lost message costs no
// round trip.
class TurnGate {
 public:
  explicit TurnGate(std::uint32_t delay) : delay_(delay), localEnd_(delay), acked_(delay), remoteEnd_(delay) {}

  // This side's input made at its turn (the one about to run), for turn +
  // delay. Turns are scheduled in order, each once.
  void Schedule(std::uint32_t turn, std::vector<Event> events);
  // The other side's message; inputs already held or too far ahead are
  // passed over. False when the message holds a turn that was never sent
  // (a turn before its acknowledgement's start or past the bound).
  bool Receive(const InputMessage& m);

  bool Ready(std::uint32_t turn) const { return turn < remoteEnd_ && turn < localEnd_; }
  // The inputs for a ready turn.
  const std::vector<Event>& Local(std::uint32_t turn) const;
  const std::vector<Event>& Remote(std::uint32_t turn) const;
  // The turn has run: the other side's inputs for it are let go.
  void Ran(std::uint32_t turn);

  // What to send: every input of this side not yet acknowledged (as many as
  // a message holds), and how far this side holds the other's.
  InputMessage Outgoing() const;
  // How many of this side's inputs wait for an acknowledgement.
  std::uint32_t Unacknowledged() const { return localEnd_ - acked_; }
  std::uint32_t Delay() const { return delay_; }
  // The turn after the last one this side has scheduled its input for.
  std::uint32_t ScheduledEnd() const { return localEnd_; }

 private:
  // Lets go of this side's inputs that have run and that the other side holds.
  void ForgetLocal();

  std::uint32_t delay_;
  // This side's inputs by turn, kept until they have run and the other side
  // holds them; it holds every turn below acked_.
  std::map<std::uint32_t, std::vector<Event>> local_;
  std::uint32_t localEnd_;
  std::uint32_t acked_;
  // The other side's inputs by turn, kept until they have run; every turn
  // below remoteEnd_ is here or has run.
  std::map<std::uint32_t, std::vector<Event>> remote_;
  std::uint32_t remoteEnd_;
  std::uint32_t ranBelow_ = 0;
};
