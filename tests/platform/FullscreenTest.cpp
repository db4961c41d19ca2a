#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Fullscreen.h"

namespace {

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, bool repeat = false) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  e.key.repeat = repeat ? 1 : 0;
  return e;
}

struct FullscreenTest : ::testing::Test {
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("test", 0, 0, 744, 540, 0);
    ASSERT_NE(window, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  bool Full() const { return IsFullScreen(window); }
  bool Take(const SDL_Event& e) { return keys.Take(e); }

  SDL_Window* window = nullptr;
  WindowPlace windowed{1, 0, 0, 744, 540};
  FullscreenSwitch keys{[this] { SetFullScreen(window, !Full(), windowed); }};
};

}  // namespace

TEST_F(FullscreenTest, F11SwitchesToTheDesktopAndBack) {
  EXPECT_TRUE(Take(Key(SDL_KEYDOWN, SDLK_F11)));
  EXPECT_TRUE(Full());
  EXPECT_TRUE(Take(Key(SDL_KEYUP, SDLK_F11)));
  EXPECT_TRUE(Full());
  EXPECT_TRUE(Take(Key(SDL_KEYDOWN, SDLK_F11)));
  EXPECT_FALSE(Full());
}

TEST_F(FullscreenTest, AHeldKeyRepeatingDoesNotSwitchAgain) {
  Take(Key(SDL_KEYDOWN, SDLK_F11));
  EXPECT_TRUE(Take(Key(SDL_KEYDOWN, SDLK_F11, KMOD_NONE, true)));
  EXPECT_TRUE(Full());
}

TEST_F(FullscreenTest, AltEnterIsTakenEvenWhenAltIsLetGoFirst) {
  EXPECT_TRUE(Take(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT)));
  EXPECT_TRUE(Full());
  EXPECT_TRUE(Take(Key(SDL_KEYUP, SDLK_RETURN)));
  EXPECT_TRUE(Take(Key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT)));
  EXPECT_FALSE(Full());
}

TEST_F(FullscreenTest, PlainEnterAndOtherKeysAreLeftToTheGame) {
  EXPECT_FALSE(Take(Key(SDL_KEYDOWN, SDLK_RETURN)));
  EXPECT_FALSE(Take(Key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT)));
  EXPECT_FALSE(Take(Key(SDL_KEYDOWN, SDLK_SPACE, KMOD_LALT)));
  EXPECT_FALSE(Take(Key(SDL_KEYDOWN, SDLK_F10)));
  EXPECT_FALSE(Full());
}

TEST_F(FullscreenTest, LeavingTheDesktopGivesTheWindowItsSizeBack) {
  Take(Key(SDL_KEYDOWN, SDLK_F11));
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_NE(w, 744);
  Take(Key(SDL_KEYDOWN, SDLK_F11));
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 744);
  EXPECT_EQ(h, 540);
  windowed = {2, 0, 0, 1488, 1080};
  SetFullScreen(window, true, windowed);
  SetFullScreen(window, false, windowed);
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 1488);
  EXPECT_EQ(h, 1080);
}
