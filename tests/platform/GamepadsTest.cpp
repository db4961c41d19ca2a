#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/replay/Replay.h"
#include "platform/Gamepads.h"
#include "platform/WindowRun.h"
#include "state/Game.h"

// Pads are plugged in as SDL virtual controllers, so these tests run the real
// SDL glue: device-added, button, axis and device-removed events.
namespace {

// A virtual controller whose buttons and axes are numbered like SDL's own.
class VirtualPad {
 public:
  VirtualPad() {
    index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                       SDL_CONTROLLER_BUTTON_MAX, 0);
    EXPECT_GE(index_, 0) << SDL_GetError();
    // Opened here too, so SDL reports its buttons whether or not the game
    // has opened it yet.
    if (index_ >= 0) controller_ = SDL_GameControllerOpen(index_);
    joystick_ = SDL_GameControllerGetJoystick(controller_);
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  void Press(SDL_GameControllerButton b) { SDL_JoystickSetVirtualButton(joystick_, b, SDL_PRESSED); }
  void Release(SDL_GameControllerButton b) { SDL_JoystickSetVirtualButton(joystick_, b, SDL_RELEASED); }
  void Tilt(SDL_GameControllerAxis a, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, a, value); }
  void Unplug() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_GameControllerClose(controller_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
  }

 private:
  int index_ = -1;
  SDL_GameController* controller_ = nullptr;
  SDL_Joystick* joystick_ = nullptr;
};

struct GamepadsTest : ::testing::Test {
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
    ASSERT_TRUE(pads->Open()) << SDL_GetError();
  }
  void TearDown() override {
    pads.reset();
    SDL_Quit();
  }
  // The key events the pads turn the waiting SDL events into, as replay lines.
  std::vector<std::string> Keys() {
    SDL_JoystickUpdate();
    std::vector<std::string> lines;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      for (const pad::KeyChange& c : pads->KeyChangesFor(e)) {
        lines.push_back(ReplayLine(c.Down ? Event::KeyDown(c.Key) : Event::KeyUp(c.Key)));
      }
    }
    return lines;
  }
  std::unique_ptr<Gamepads> pads = std::make_unique<Gamepads>();
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(GamepadsTest, TheFirstPadPlaysAsTheArrowKeysSpaceAndEnter) {
  VirtualPad pad;
  EXPECT_EQ(Keys(), Lines{});
  pad.Press(SDL_CONTROLLER_BUTTON_A);
  EXPECT_EQ(Keys(), Lines{"key down Space"});
  pad.Release(SDL_CONTROLLER_BUTTON_A);
  pad.Press(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(Keys(), (Lines{"key up Space", "key down Enter"}));
  pad.Release(SDL_CONTROLLER_BUTTON_START);
  pad.Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(Keys(), (Lines{"key up Enter", "key down Up"}));
  pad.Release(SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(Keys(), Lines{"key up Up"});
  pad.Tilt(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  EXPECT_EQ(Keys(), Lines{"key down Left"});
  pad.Tilt(SDL_CONTROLLER_AXIS_LEFTX, -2000);
  EXPECT_EQ(Keys(), Lines{"key up Left"});
}

TEST_F(GamepadsTest, TheSecondPadPlaysAsPlayerTwoAndAThirdIsIgnored) {
  VirtualPad first, second, third;
  EXPECT_EQ(Keys(), Lines{});
  second.Press(SDL_CONTROLLER_BUTTON_A);
  second.Tilt(SDL_CONTROLLER_AXIS_LEFTY, 32767);
  third.Press(SDL_CONTROLLER_BUTTON_A);
  third.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  EXPECT_EQ(Keys(), (Lines{"key down V", "key down Z"}));
}

TEST_F(GamepadsTest, UnpluggingAPadReleasesWhatItHeldAndFreesItsPlace) {
  auto first = std::make_unique<VirtualPad>();
  VirtualPad second;
  Keys();
  first->Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  first->Press(SDL_CONTROLLER_BUTTON_A);
  Keys();
  first.reset();
  Lines released = Keys();
  std::sort(released.begin(), released.end());
  EXPECT_EQ(released, (Lines{"key up Right", "key up Space"}));

  VirtualPad third;
  Keys();
  third.Press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(Keys(), Lines{"key down Space"}) << "the new pad takes the free first place";
}

TEST_F(GamepadsTest, AWaitingPadTakesThePlaceAPadLeaves) {
  VirtualPad first;
  auto second = std::make_unique<VirtualPad>();
  VirtualPad third;
  Keys();
  second.reset();
  Keys();
  third.Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(Keys(), Lines{"key down F"});
}

TEST(GamepadsInTheWindow, APadPressIsDispatchedAsAKeyPress) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  // The dummy video driver never gives the window focus, and SDL drops pad
  // input meant for a window in the background.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  struct Watcher : EventObserver {
    void Dispatched(const Event& e) override {
      if (e.Kind != EventKind::KeyDown && e.Kind != EventKind::KeyUp) return;
      Lines.push_back(ReplayLine(e));
      if (e.Kind == EventKind::KeyUp) *Close = true;
    }
    std::vector<std::string> Lines;
    bool* Close = nullptr;
  } watcher;
  auto g = std::make_unique<Game>();
  watcher.Close = &g->CloseRequested;
  {
    WindowRun window(*g, &watcher);
    std::string message;
    ASSERT_TRUE(window.Open(message)) << message;
    VirtualPad pad;
    SDL_PumpEvents();
    pad.Press(SDL_CONTROLLER_BUTTON_START);
    SDL_JoystickUpdate();
    pad.Release(SDL_CONTROLLER_BUTTON_START);
    SDL_JoystickUpdate();
    ASSERT_TRUE(window.Run()) << window.Trouble();
  }
  EXPECT_EQ(watcher.Lines, (std::vector<std::string>{"key down Enter", "key up Enter"}));
}
