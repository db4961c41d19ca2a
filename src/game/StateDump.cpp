#include "game/StateDump.h"

#include "stages/MapNotation.h"
#include "state/Game.h"

namespace {

void Line(std::ostream& out, const char* name, long long value) { out << name << ' ' << value << '\n'; }

void DumpProgress(const Game& g, std::ostream& out) {
  Line(out, "RandomSeed", g.RandomSeed);
  Line(out, "PlayMode", PlayModeCode(g.PlayMode));
  Line(out, "StageNo", g.StageNo);
  Line(out, "Lives", g.Lives);
  Line(out, "Score", g.Score);
  Line(out, "HiScore", g.HiScore);
  Line(out, "ContinueCount", g.ContinueCount);
  Line(out, "MissFlag", g.MissFlag);
  Line(out, "Paused", g.Paused);
  Line(out, "PlayerX", g.Player.X);
  Line(out, "PlayerY", g.Player.Y);
  Line(out, "PlayerState", g.Player.State);
  Line(out, "Jumping", g.Player.Jumping);
  Line(out, "OnLift", g.Player.OnLift);
  Line(out, "StartX", g.StartX);
  Line(out, "StartY", g.StartY);
  Line(out, "ItemCount", g.ItemCount);
  Line(out, "ItemsLeft", g.ItemsLeft);
  Line(out, "RevealCount", g.RevealCount);
  Line(out, "EnemyCount", g.EnemyCount);
  Line(out, "LiftCount", g.LiftCount);
  Line(out, "TitleCount", g.TitleCount);
  Line(out, "EndingTick", g.EndingTick);
}

void DumpDuo(const Game& g, std::ostream& out) {
  for (int k = 0; k < 2; ++k) {
    const std::string n = std::to_string(k);
    out << "DuoX" << n << ' ' << g.Duo[k].X << '\n';
    out << "DuoY" << n << ' ' << g.Duo[k].Y << '\n';
    out << "DuoState" << n << ' ' << g.Duo[k].State << '\n';
    out << "DuoItemsLeft" << n << ' ' << g.DuoItemsLeft[k] << '\n';
  }
}

void DumpTimers(const Game& g, std::ostream& out) {
  for (TimerId id : kTimerOrder) {
    const Timer& t = g.TimerById(id);
    out << TimerName(id) << ' ' << (t.Enabled ? "on" : "off") << ' ' << t.Interval << '\n';
  }
}

// Counts beyond the tables' capacity are clipped to what the tables hold.
int Bounded(int count, int slots) { return count < 0 ? 0 : (count > slots ? slots : count); }

void DumpTables(const Game& g, std::ostream& out) {
  for (int i = 0; i < Bounded(g.EnemyCount, kEnemySlots); ++i) {
    out << "enemy " << i << ' ' << EnemyKindCode(g.EnemyKind[i]) << ' ' << g.EnemyX[i] << ' ' << g.EnemyY[i] << ' '
        << g.EnemyDX[i] << ' ' << g.EnemyDY[i] << ' ' << g.EnemyJumping[i] << '\n';
  }
  for (int i = 0; i < Bounded(g.LiftCount, kLiftSlots); ++i) {
    out << "lift " << i << ' ' << g.LiftX[i] << ' ' << g.LiftY[i] << ' ' << g.LiftDir[i] << ' '
        << g.LiftMoving[i] << ' ' << g.LiftSeen[i] << '\n';
  }
  for (int k = 0; k < Bounded(g.ItemCount, kItemSlots); ++k) {
    out << "item " << k << ' ' << g.ItemX[k] << ' ' << g.ItemY[k] << ' ' << g.ItemPhase[k] << '\n';
  }
}

}  // namespace

void DumpState(const Game& g, std::int64_t virtualTimeMs, std::ostream& out) {
  DumpProgress(g, out);
  DumpDuo(g, out);
  DumpTimers(g, out);
  Line(out, "VirtualTime", virtualTimeMs);
  DumpTables(g, out);
  out << "Music " << (g.MusicPlayer.FileName().empty() ? "-" : g.MusicPlayer.FileName()) << ' '
      << g.MusicPlayer.StateName() << '\n';
  out << "map\n";
  out << MapRows(g);
}
