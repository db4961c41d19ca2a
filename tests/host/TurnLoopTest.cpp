#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/loop/TurnLoop.h"
#include "screens/Title.h"
#include "support/TestGame.h"

namespace {

// The events that reach the game, as replay lines; a test may act at the
// moment one is dispatched.
class Lines : public EventObserver {
 public:
  void Dispatched(const Event& e) override {
    if (e.Kind != EventKind::Activate) Seen.push_back(ReplayLine(e));
    if (OnEvent) OnEvent(e);
  }
  std::vector<std::string> Take() { return std::exchange(Seen, {}); }
  std::vector<std::string> Seen;
  std::function<void(const Event&)> OnEvent;
};

using Said = std::vector<std::string>;

struct TurnLoopTest : ::testing::Test {
  void SetUp() override { ShowTitle(*g); }  // the title's timer ticks every 100 ms

  ReplayScript Script(const std::string& steps) {
    ReplayScript script;
    ReplayError error;
    EXPECT_TRUE(ParseReplay("velmorane-replay 1\n" + steps, script, error)) << error.What;
    return script;
  }

  TestGame g;
  Lines lines;
  TurnLoop loop{*g, &lines};
};

}  // namespace

TEST_F(TurnLoopTest, TimersFireOnTheHostsClockWithTheInputBetweenThem) {
  loop.Begin(1000);
  EXPECT_EQ(loop.NextWake(), 1100);
  loop.KeyChanged(true, false, "Left");
  EXPECT_EQ(loop.NextWake(), 1000) << "waiting input wants a turn at once";
  loop.Turn(1099);
  EXPECT_EQ(lines.Take(), Said{"key down Left"});
  loop.KeyChanged(true, false, "Up");
  loop.Turn(1099);
  EXPECT_EQ(lines.Take(), Said{"key down Up"});
  loop.Turn(1100);
  EXPECT_EQ(lines.Take(), Said{"tick TitleTimer"});
  loop.KeyChanged(false, false, "Left");
  loop.Turn(1150);
  EXPECT_EQ(lines.Take(), Said{"key up Left"});
}

// The game reads its held keys at a tick: a release waits, with what came
// after it, until a tick has seen the press; so a short tap still counts.
TEST_F(TurnLoopTest, ATapShorterThanATickIsSeenByTheNextTick) {
  loop.Begin(0);
  loop.KeyChanged(true, false, "Enter");
  loop.KeyChanged(false, false, "Enter");
  loop.KeyChanged(true, false, "Left");
  loop.Turn(20);
  EXPECT_EQ(lines.Take(), Said{"key down Enter"});
  EXPECT_FALSE(loop.HasInput());
  EXPECT_EQ(loop.NextWake(), 100) << "the waiting release needs no turn before the tick";
  loop.Turn(100);
  EXPECT_EQ(lines.Take(), (Said{"tick TitleTimer", "key up Enter", "key down Left"}));
  EXPECT_FALSE(g->TitleTimer.Enabled) << "the tap started the game";
  EXPECT_TRUE(g->Timer1.Enabled);

  g->Timer1.SetEnabled(false);
  loop.KeyChanged(true, false, "Space");
  loop.KeyChanged(false, false, "Space");
  loop.Turn(120);
  EXPECT_EQ(lines.Take(), (Said{"key down Space", "key up Space"})) << "with every timer stopped nothing would see it";
}

// Enter and Space start the games on the title whatever they are bound to,
// and a key lets go of the game key its press gave.
TEST_F(TurnLoopTest, TheTitlesStartKeysOutliveTheirBindings) {
  KeyBindings keys;
  Action holder{};
  ASSERT_TRUE(keys.Bind(Action::P1Jump, "X", holder));
  loop.UseKeys(keys, [] {});
  loop.Begin(0);
  loop.KeyChanged(true, false, "Space");
  loop.Turn(100);
  EXPECT_EQ(lines.Take(), (Said{"key down Space", "tick TitleTimer"}));
  EXPECT_EQ(g->PlayMode, PlayMode::TwoPlayer);
  loop.KeyChanged(false, false, "Space");
  loop.KeyChanged(true, false, "Space");
  loop.Turn(110);
  EXPECT_EQ(lines.Take(), Said{"key up Space"}) << "away from the title Space is unbound";
}

TEST_F(TurnLoopTest, KeysReachTheGameAsBoundWhileMuteAndUnboundKeysStayOutside) {
  KeyBindings keys;
  Action holder{};
  ASSERT_TRUE(keys.Bind(Action::P1Jump, "X", holder));
  int mutes = 0;
  loop.UseKeys(keys, [&] { ++mutes; });
  loop.Begin(0);
  loop.KeyChanged(true, false, "X");
  loop.KeyChanged(true, false, "M");
  loop.KeyChanged(true, true, "M");
  loop.KeyChanged(true, false, "F1");
  loop.PadKeysChanged({{true, vk::Enter}, {false, vk::Enter}});
  loop.Turn(10);
  EXPECT_EQ(lines.Take(), (Said{"key down Space", "key down Enter"}));
  EXPECT_EQ(mutes, 1) << "a held mute key does not switch again";
}

// A tick that starts the jingle's hold ends the firing: a timer due at the
// same moment waits for the hold's end with the input, and then every timer
// counts again from there.
TEST_F(TurnLoopTest, NothingReachesTheGameWhileItIsHeld) {
  g->EndingTimer.SetInterval(100);
  g->EndingTimer.SetEnabled(true);
  bool jingle = true;
  lines.OnEvent = [&](const Event& e) {
    if (e.Kind == EventKind::Tick && std::exchange(jingle, false)) loop.HoldFor(500);
  };
  loop.Begin(0);
  loop.Turn(100);
  EXPECT_EQ(lines.Take(), Said{"tick TitleTimer"});
  EXPECT_TRUE(loop.Held());
  EXPECT_EQ(loop.NextWake(), 600);
  loop.KeyChanged(true, false, "Right");
  loop.Turn(599);
  EXPECT_TRUE(lines.Take().empty());
  loop.Turn(600);
  EXPECT_EQ(lines.Take(), Said{"key down Right"});
  EXPECT_EQ(loop.NextWake(), 700);
  loop.Turn(700);
  EXPECT_EQ(lines.Take(), (Said{"tick TitleTimer", "tick EndingTimer"}));
}

TEST_F(TurnLoopTest, ARecordingPlaysAtItsTimersPaceUnrecordedAndThenTheKeysTakeOver) {
  loop.PlayReplay(Script("tick TitleTimer\ntick TitleTimer\nkey down Right\n"), "old.replay");
  loop.Begin(0);
  loop.KeyChanged(true, false, "Left");
  loop.Turn(99);
  EXPECT_EQ(loop.Watched()->PlayedMs, 0) << "the player's keys wait for the recording's end";
  EXPECT_EQ(loop.NextWake(), 100);
  loop.Turn(100);
  EXPECT_EQ(loop.Watched()->PlayedMs, 100);
  loop.Turn(230);
  EXPECT_FALSE(loop.Replaying());
  EXPECT_EQ(loop.NextWake(), 330) << "the timers count again from the recording's end";
  loop.KeyChanged(true, false, "Left");
  loop.Turn(231);
  EXPECT_EQ(g->KeyLeft, 1);
  EXPECT_TRUE(lines.Take().empty()) << "nothing of a watched game reaches the records";
}

TEST_F(TurnLoopTest, AStoppedRecordingGivesWayToANewGameThatIsRecorded) {
  std::string ticks;
  for (int i = 0; i < 200; ++i) ticks += "tick TitleTimer\n";
  loop.PlayReplay(Script(ticks), "old.replay");
  int fresh = 0;
  loop.OnWatchStopped([&] { ++fresh; });
  loop.Begin(0);
  loop.ControlWatch(WatchControl::SkipAhead, 0);
  loop.Turn(0);
  EXPECT_EQ(loop.Watched()->PlayedMs, kSkipAheadMs) << "a skip plays the next stretch at once";
  EXPECT_EQ(loop.Watched()->TotalMs, 20000);
  loop.ControlWatch(WatchControl::Pause, 10);
  EXPECT_TRUE(loop.Watched()->Paused);
  EXPECT_EQ(loop.NextWake(), std::nullopt) << "only the watcher wakes a paused recording";
  loop.Turn(5000);
  EXPECT_EQ(loop.Watched()->PlayedMs, kSkipAheadMs);
  loop.ControlWatch(WatchControl::Stop, 5000);
  EXPECT_EQ(loop.NextWake(), 5000);
  loop.Turn(5000);
  EXPECT_EQ(fresh, 1);
  EXPECT_FALSE(loop.Replaying());
  EXPECT_TRUE(lines.Take().empty());
  loop.KeyChanged(true, false, "Left");
  loop.Turn(5001);
  EXPECT_EQ(lines.Take(), Said{"key down Left"}) << "the new game is recorded";
}

TEST_F(TurnLoopTest, ARecordedTickOfAStoppedTimerClosesTheRunNamingTheLine) {
  loop.PlayReplay(Script("activate\ntick Timer1\nkey down Right\n"), "old.replay");
  loop.Begin(0);
  loop.Turn(1000);
  EXPECT_TRUE(loop.Closed());
  EXPECT_EQ(loop.Trouble(), "old.replay:3: Timer1 is not enabled");
  EXPECT_EQ(loop.NextWake(), std::nullopt);
  EXPECT_TRUE(lines.Take().empty());
}
