#include "ItemSearch.h"

#include <cstdlib>
#include <deque>
#include <iostream>
#include <set>
#include <tuple>

namespace {

constexpr int kStepTicks = 6;      // a cell's walk at 4 pixels a tick
constexpr int kSettleTicks = 40;   // longest fall or arc waited out
constexpr int kNodeLimit = 1500;

struct Keys {
  int Left, Right, Up, Down, Jump;
};
constexpr Keys kHeroKeys{vk::Left, vk::Right, vk::Up, vk::Down, vk::Space};
constexpr Keys kRacerKeys[2] = {{vk::Left, vk::Right, vk::Up, vk::Down, vk::Space}, {'C', 'B', 'F', 'V', 'Z'}};

struct View {
  Steered who;
  Keys keys() const { return who.Racer < 0 ? kHeroKeys : kRacerKeys[who.Racer]; }
  const Character& Of(const Game& g) const { return who.Racer < 0 ? g.Player : g.Duo[who.Racer]; }
  i32 ItemsLeft(const Game& g) const { return who.Racer < 0 ? g.ItemsLeft : g.DuoItemsLeft[who.Racer]; }
};

// One move: the keys held for its ticks, then nothing held until the
// character stands again.
struct Move {
  std::set<int> First;
  int FirstTicks;
  std::set<int> Then;
  int ThenTicks;
};

std::vector<Move> Moves(const Keys& k) {
  return {
      {{k.Left}, kStepTicks, {}, 0},
      {{k.Right}, kStepTicks, {}, 0},
      {{k.Up}, kStepTicks, {}, 0},
      {{k.Down}, kStepTicks, {}, 0},
      {{k.Jump, k.Left}, 1, {k.Left}, 1},
      {{k.Jump, k.Right}, 1, {k.Right}, 1},
      {{k.Jump}, 1, {}, 1},
      {{}, kStepTicks, {}, 0},
  };
}

bool OnTimer1(const GameDriver& d) { return d.G().Timer1.Running(); }

// Plays a move; false when the character was hit.
bool Play(GameDriver& d, const Move& m, const View& v, i32 itemsBefore) {
  auto stillPlaying = [&] { return OnTimer1(d) && v.Of(d.G()).State == kInPlay && !d.G().Paused; };
  d.Hold(m.First);
  for (int t = 0; t < m.FirstTicks && stillPlaying(); ++t) d.Tick();
  d.Hold(m.Then);
  for (int t = 0; t < m.ThenTicks && stillPlaying(); ++t) d.Tick();
  d.Hold({});
  for (int t = 0; t < kSettleTicks && stillPlaying() && v.Of(d.G()).Jumping != 0; ++t) {
    if (v.ItemsLeft(d.G()) < itemsBefore) break;
    d.Tick();
  }
  // Taking the last item launches the character out of the field.
  return v.Of(d.G()).State == kInPlay || !OnTimer1(d) || v.ItemsLeft(d.G()) < itemsBefore;
}

struct Node {
  int Parent;
  std::vector<Event> Events;
};

}  // namespace

bool TakeNextItem(GameDriver& d, Steered who) {
  const View v{who};
  const i32 itemsBefore = v.ItemsLeft(d.G());
  const auto moves = Moves(v.keys());
  std::vector<Node> nodes;
  std::deque<std::pair<int, GameDriver>> frontier;
  std::set<std::tuple<i32, i32, i32, i32>> seen;
  frontier.emplace_back(-1, d.Sketch());
  while (!frontier.empty() && static_cast<int>(nodes.size()) < kNodeLimit) {
    auto [parent, at] = std::move(frontier.front());
    frontier.pop_front();
    for (const Move& m : moves) {
      GameDriver next = at.Sketch();
      const bool alive = Play(next, m, v, itemsBefore);
      if (!alive) continue;
      const Game& g = next.G();
      const bool took = v.ItemsLeft(g) < itemsBefore || !OnTimer1(next);
      const Character& c = v.Of(g);
      if (!took && !seen.insert({c.X, c.Y, c.Jumping, c.OnLift}).second) continue;
      nodes.push_back({parent, next.TakeEvents()});
      next.TakeLines();
      if (took) {
        std::vector<Event> road;
        for (int n = static_cast<int>(nodes.size()) - 1; n >= 0; n = nodes[n].Parent) {
          road.insert(road.begin(), nodes[n].Events.begin(), nodes[n].Events.end());
        }
        d.Follow(road);
        const Character& whole = v.Of(d.G());
        if (whole.X != c.X || whole.Y != c.Y || v.ItemsLeft(d.G()) != v.ItemsLeft(g)) {
          std::cerr << "the whole game took another road than its sketch\n";
          std::abort();
        }
        return true;
      }
      frontier.emplace_back(static_cast<int>(nodes.size()) - 1, std::move(next));
    }
  }
  return false;
}
