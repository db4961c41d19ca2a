#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include "host/replay/Replay.h"
#include "platform/GameMenus.h"
#include "platform/MenuStyle.h"
#include "state/Game.h"

namespace {

// The menus in an ImGui frame of their own, with no window: the mouse is
// set by hand, time runs at a fixed 60 frames a second, and every submitted
// event is dispatched at once, as the window does before its next frame.
struct GameMenusTest : ::testing::Test {
  void SetUp() override {
    ImGui::CreateContext();
    ApplyClassicStyle(ImGui::GetStyle());
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(744, 540);
    io.DeltaTime = 1.0f / 60;
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
  }
  void TearDown() override { ImGui::DestroyContext(); }

  void Frame(ImVec2 mouse = ImVec2(-1, -1), bool down = false) {
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = mouse;
    io.MouseDown[0] = down;
    ImGui::NewFrame();
    menus.Draw(viewport);
    ImGui::Render();
  }
  void Click(ImVec2 at) {
    Frame(at, false);
    Frame(at, true);
    Frame(at, false);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const Event& e : submitted) lines.push_back(ReplayLine(e));
    return lines;
  }
  // The centre of row `row` of the open drop-down menu.
  ImVec2 MenuRow(int row) const {
    ImGuiWindow* popup = ImGui::FindWindowByName("##Menu_00");
    EXPECT_NE(popup, nullptr);
    if (!popup) return ImVec2(-1, -1);
    const ImGuiStyle& style = ImGui::GetStyle();
    const float pitch = ImGui::GetFontSize() + style.ItemSpacing.y;
    return ImVec2(popup->Pos.x + 30, popup->Pos.y + style.WindowPadding.y + row * pitch + ImGui::GetFontSize() / 2);
  }
  void ChooseMenuItem(ImVec2 menu, int row) {
    Click(menu);
    Click(MenuRow(row));
  }
  // Where the open dialog's parts are at scale 1: centred on the display,
  // with a 3-pixel frame and an 18-pixel caption above the client area.
  ImVec2 ClientOrigin(SliderId dialog) const {
    const DialogLayout& d = LayoutFor(dialog);
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    return ImVec2(std::floor((display.x - d.ClientWidth - 6) / 2) + 3,
                  std::floor((display.y - d.ClientHeight - 24) / 2) + 21);
  }
  ImVec2 ThumbAt(SliderId dialog, int position) const {
    const DialogLayout& d = LayoutFor(dialog);
    const ImVec2 o = ClientOrigin(dialog);
    const ScreenRect r{o.x + d.TrackBar.X, o.y + d.TrackBar.Y, static_cast<float>(d.TrackBar.W),
                       static_cast<float>(d.TrackBar.H)};
    return ImVec2(TrackBarThumbX(r, 1, position, d.Max), r.Y + 15);
  }
  ImVec2 OKButton(SliderId dialog) const {
    const DialogLayout& d = LayoutFor(dialog);
    const ImVec2 o = ClientOrigin(dialog);
    return ImVec2(o.x + d.OK.X + d.OK.W / 2.0f, o.y + d.OK.Y + d.OK.H / 2.0f);
  }

  const ImVec2 gameMenu{15, 10};
  const ImVec2 configMenu{50, 10};
  std::unique_ptr<Game> g = std::make_unique<Game>();
  std::vector<Event> submitted;
  Viewport viewport;
  GameMenus menus{*g, [this](const Event& e) {
                    submitted.push_back(e);
                    Dispatch(*g, e);
                  }};
};

}  // namespace

TEST_F(GameMenusTest, TheGameMenuSendsRestartPauseAndExit) {
  Frame();
  ChooseMenuItem(gameMenu, 0);
  ChooseMenuItem(gameMenu, 1);
  ChooseMenuItem(gameMenu, 2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"menu restart", "menu pause", "menu exit"}));
  EXPECT_TRUE(g->CloseRequested);
}

TEST_F(GameMenusTest, TheConfigMenuOpensTheBrightnessThenTheSpeedDialog) {
  Frame();
  ChooseMenuItem(configMenu, 0);
  EXPECT_TRUE(menus.DialogOpen());
  menus.DialogKeyDown(DialogKey::End);
  Frame();
  Click(OKButton(SliderId::Brightness));
  EXPECT_FALSE(menus.DialogOpen());
  ChooseMenuItem(configMenu, 1);
  EXPECT_TRUE(menus.DialogOpen());
  menus.DialogKeyDown(DialogKey::End);
  Frame();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"slider brightness 200", "activate", "slider speed 300"}));
}

TEST_F(GameMenusTest, KeysMoveTheSliderOneEventPerStep) {
  menus.OpenDialog(SliderId::Speed);
  Frame();
  for (int n = 0; n < 3; ++n) menus.DialogKeyDown(DialogKey::Right);
  menus.DialogKeyDown(DialogKey::PageDown);
  menus.DialogKeyDown(DialogKey::Left);
  Frame();
  EXPECT_EQ(Lines(), (std::vector<std::string>{"slider speed 1", "slider speed 2", "slider speed 3",
                                                "slider speed 5", "slider speed 4"}));
  EXPECT_EQ(g->Timer1.Interval, 4);
  EXPECT_EQ(g->SpeedDialog.Label, "4");
  EXPECT_TRUE(menus.DialogOpen());
}

TEST_F(GameMenusTest, AKeyThatCannotMoveTheSliderSendsNothing) {
  menus.OpenDialog(SliderId::Brightness);
  Frame();
  menus.DialogKeyDown(DialogKey::Left);
  menus.DialogKeyDown(DialogKey::Home);
  menus.DialogKeyDown(DialogKey::Other);
  Frame();
  EXPECT_TRUE(submitted.empty());
}

TEST_F(GameMenusTest, EnterIsOKAndTheMainWindowIsActivatedAgain) {
  g->KeyRight = 1;
  menus.OpenDialog(SliderId::Speed);
  Frame();
  menus.DialogKeyDown(DialogKey::Right);
  menus.DialogKeyDown(DialogKey::Enter);
  menus.DialogKeyDown(DialogKey::Right);
  Frame();
  EXPECT_FALSE(menus.DialogOpen());
  EXPECT_EQ(Lines(), (std::vector<std::string>{"slider speed 1", "activate"}));
  EXPECT_EQ(g->KeyRight, 0);
  Frame();
  EXPECT_EQ(submitted.size(), 2u);
}

TEST_F(GameMenusTest, TheSliderOpensAtTheGamesValueWhateverChangedIt) {
  menus.OpenDialog(SliderId::Brightness);
  Frame();
  menus.DialogKeyDown(DialogKey::PageDown);
  menus.DialogKeyDown(DialogKey::Enter);
  Frame();
  // The keys change the colours meanwhile; the slider follows them.
  Dispatch(*g, Event::KeyDown('Q'));
  menus.OpenDialog(SliderId::Brightness);
  Frame();
  menus.DialogKeyDown(DialogKey::Right);
  Frame();
  EXPECT_EQ(Lines().back(), "slider brightness 13");
  EXPECT_EQ(g->DuoPalette[3].Red, 13);
}

TEST_F(GameMenusTest, EscapeClosesTheSliderDialog) {
  menus.OpenDialog(SliderId::Speed);
  Frame();
  menus.DialogKeyDown(DialogKey::Escape);
  Frame();
  EXPECT_FALSE(menus.DialogOpen());
  EXPECT_EQ(Lines(), std::vector<std::string>{"activate"});
}

TEST_F(GameMenusTest, AnOpenMenuHoldsTheGameAndTheSliderDialogsDoNot) {
  menus.ToggleMenuBar();
  Frame();
  EXPECT_TRUE(menus.MenuOpen());
  EXPECT_TRUE(menus.HoldsGame());
  menus.ToggleMenuBar();
  Frame();
  EXPECT_FALSE(menus.MenuOpen());
  EXPECT_FALSE(menus.HoldsGame());
  menus.OpenDialog(SliderId::Speed);
  Frame();
  EXPECT_FALSE(menus.HoldsGame());
}

TEST_F(GameMenusTest, DraggingTheThumbMovesTheSliderAsItGoes) {
  menus.OpenDialog(SliderId::Brightness);
  Frame();
  const ImVec2 start = ThumbAt(SliderId::Brightness, 0);
  Frame(start, false);
  Frame(start, true);
  Frame(ThumbAt(SliderId::Brightness, 60), true);
  Frame(ThumbAt(SliderId::Brightness, 150), true);
  Frame(ThumbAt(SliderId::Brightness, 150), false);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"slider brightness 60", "slider brightness 150"}));
  EXPECT_EQ(g->BrightnessDialog.Label, "150");
  EXPECT_TRUE(menus.DialogOpen());
}

TEST_F(GameMenusTest, APressBesideTheThumbPagesTowardsIt) {
  menus.OpenDialog(SliderId::Speed);
  Frame();
  Click(ThumbAt(SliderId::Speed, 200));
  EXPECT_EQ(Lines(), std::vector<std::string>{"slider speed 2"});
}

TEST_F(GameMenusTest, TheMenuBarIsBlockedWhileADialogIsOpen) {
  menus.OpenDialog(SliderId::Speed);
  Frame();
  Click(gameMenu);
  EXPECT_EQ(ImGui::FindWindowByName("##Menu_00"), nullptr);
  EXPECT_TRUE(submitted.empty());
}
