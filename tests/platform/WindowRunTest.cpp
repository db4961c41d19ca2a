#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/MusicEndedEvent.h"
#include "platform/WindowRun.h"
#include "state/Game.h"

namespace {

void PushKey(Uint32 type, SDL_Keycode key) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = key;
  SDL_PushEvent(&e);
}

// Records the key and tick events the window dispatches, and lets a test
// act at the moment a given event is dispatched.
class Watcher : public EventObserver {
 public:
  void Dispatched(const Event& e) override {
    EXPECT_FALSE(Holding) << "an event was dispatched while the game was held";
    if (e.Kind == EventKind::KeyDown || e.Kind == EventKind::KeyUp || e.Kind == EventKind::Tick) {
      Lines.push_back(ReplayLine(e));
    }
    if (OnEvent) OnEvent(e);
  }
  std::vector<std::string> Lines;
  std::function<void(const Event&)> OnEvent;
  bool Holding = false;
};

struct WindowRunTest : ::testing::Test {
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    std::string error;
    ASSERT_TRUE(window.Open(error)) << error;
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  Watcher watcher;
  WindowRun window{*g, &watcher};
};

}  // namespace

TEST_F(WindowRunTest, KeysArrivingDuringAHoldFollowInOrderAfterIt) {
  int polls = 0;
  watcher.OnEvent = [&](const Event& e) {
    if (e.Kind == EventKind::KeyDown && e.Key == vk::Right) {
      PushKey(SDL_KEYDOWN, SDLK_LEFT);
      PushKey(SDL_KEYUP, SDLK_LEFT);
      watcher.Holding = true;
      window.HoldFor([&] { return ++polls > 5; });
      watcher.Holding = false;
    }
    if (e.Kind == EventKind::KeyUp && e.Key == vk::Left) g->CloseRequested = true;
  };
  PushKey(SDL_KEYDOWN, SDLK_RIGHT);
  ASSERT_TRUE(window.Run()) << window.Trouble();
  EXPECT_EQ(watcher.Lines, (std::vector<std::string>{"key down Right", "key down Left", "key up Left"}));
  EXPECT_GT(polls, 5);
}

TEST_F(WindowRunTest, ClosingTheWindowEndsAHold) {
  watcher.OnEvent = [&](const Event& e) {
    if (e.Kind != EventKind::KeyDown) return;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    window.HoldFor([] { return false; });
  };
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  PushKey(SDL_KEYUP, SDLK_SPACE);
  ASSERT_TRUE(window.Run()) << window.Trouble();
  EXPECT_TRUE(g->CloseRequested);
  EXPECT_EQ(watcher.Lines, std::vector<std::string>{"key down Space"});
}

TEST_F(WindowRunTest, LiveTimersFireFromTheClock) {
  g->EndingTimer.SetInterval(20);
  g->EndingTimer.SetEnabled(true);
  watcher.OnEvent = [&](const Event&) {
    if (watcher.Lines.size() == 3) g->CloseRequested = true;
  };
  ASSERT_TRUE(window.Run()) << window.Trouble();
  EXPECT_EQ(watcher.Lines, std::vector<std::string>(3, "tick EndingTimer"));
  EXPECT_GE(window.Elapsed(), 60);
}

TEST_F(WindowRunTest, TheEndOfATuneArrivesBetweenTheEventsAroundIt) {
  g->MusicPlayer.SetFileName("BGM1.mid");
  g->MusicPlayer.Open();
  g->MusicPlayer.SetNotify(false);
  g->MusicPlayer.Play();
  std::vector<std::string> states;
  watcher.OnEvent = [&](const Event& e) {
    if (e.Kind != EventKind::KeyDown) return;
    states.push_back(g->MusicPlayer.StateName());
    if (e.Key == vk::Right) g->CloseRequested = true;
  };
  PushKey(SDL_KEYDOWN, SDLK_LEFT);
  SDL_Event ended{};
  ended.type = MusicEndedEventType();
  ASSERT_NE(ended.type, 0u);
  SDL_PushEvent(&ended);
  PushKey(SDL_KEYDOWN, SDLK_RIGHT);
  ASSERT_TRUE(window.Run()) << window.Trouble();
  EXPECT_EQ(states, (std::vector<std::string>{"playing", "stopped"}));
}
