#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include "host/settings/SettingsInUse.h"
#include "platform/GameMenus.h"
#include "platform/MenuStyle.h"
#include "platform/RaceDialogs.h"
#include "state/Game.h"

namespace {

constexpr int kHostRow = 2;  // the Game menu: restart, pause, host, join, exit
constexpr int kJoinRow = 3;

// The race's dialogs under the Game menu in an ImGui frame of their own,
// with no window (as GameMenusTest), and a race that notes what it is asked.
struct RaceDialogsTest : ::testing::Test {
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
    menus.AddRace(&race);
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
  void ChooseGameMenuItem(int row) {
    Click(gameMenu);
    ImGuiWindow* popup = ImGui::FindWindowByName("##Menu_00");
    ASSERT_NE(popup, nullptr);
    const ImGuiStyle& style = ImGui::GetStyle();
    const float pitch = ImGui::GetFontSize() + style.ItemSpacing.y;
    Click(ImVec2(popup->Pos.x + 30, popup->Pos.y + style.WindowPadding.y + row * pitch + ImGui::GetFontSize() / 2));
  }
  void Type(const char* text) {
    ImGui::GetIO().AddInputCharactersUTF8(text);
    Frame();
  }
  void Press(DialogKey key) {
    menus.DialogKeyDown(key);
    Frame();
  }

  const ImVec2 gameMenu{15, 10};
  std::unique_ptr<Game> g = std::make_unique<Game>();
  SettingsStore store;
  SettingsInUse settings{*g, store, SettingsOverrides{}};
  std::vector<std::string> asked;
  std::string status;
  std::string trouble;
  bool racing = false;
  RaceDialogs race{settings, RaceActions{
                                 .Host = [this](std::uint16_t port) { Ask("host " + std::to_string(port)); },
                                 .Join = [this](const RaceAddress& to) { Ask("join " + RaceAddressText(to)); },
                                 .Cancel = [this] { asked.push_back("cancel"); },
                                 .Status = [this] { return status; },
                                 .Trouble = [this] { return trouble; },
                                 .Racing = [this] { return racing; },
                             }};
  Viewport viewport;
  GameMenus menus{*g, [](const Event&) {}};

  void Ask(const std::string& what) {
    asked.push_back(what);
    status = "setting up";
  }
};

}  // namespace

TEST_F(RaceDialogsTest, EnterHostsOnThePortLastUsedAndTheWaitEndsWhenTheRaceBegins) {
  Settings s = settings.Kept();
  s.RacePort = 4000;
  settings.Change(s);
  Frame();
  ChooseGameMenuItem(kHostRow);
  EXPECT_TRUE(menus.DialogOpen());
  EXPECT_TRUE(menus.HoldsGame());
  Press(DialogKey::Enter);
  EXPECT_EQ(asked, std::vector<std::string>{"host 4000"});
  Press(DialogKey::Enter);  // a second Enter does not call the race off
  Frame();
  EXPECT_TRUE(menus.DialogOpen());
  trouble = "the port is in use";
  Frame();
  EXPECT_TRUE(menus.DialogOpen());
  status.clear();
  Frame();
  EXPECT_FALSE(menus.DialogOpen());
  EXPECT_EQ(asked.size(), 1u);
}

TEST_F(RaceDialogsTest, APortTypedOverTheOneShownIsKept) {
  Frame();
  ChooseGameMenuItem(kHostRow);
  Frame();
  Type("5000");  // over the port shown, all of it chosen
  Press(DialogKey::Enter);
  EXPECT_EQ(asked, std::vector<std::string>{"host 5000"});
  EXPECT_EQ(settings.Kept().RacePort, 5000);
}

TEST_F(RaceDialogsTest, ABadAddressIsNamedAndTheDialogStaysOpen) {
  Frame();
  ChooseGameMenuItem(kJoinRow);
  Frame();
  Type("pc:");
  Press(DialogKey::Enter);
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(menus.DialogOpen());
  Type("4000");
  Press(DialogKey::Enter);
  EXPECT_EQ(asked, std::vector<std::string>{"join pc:4000"});
  EXPECT_EQ(settings.Kept().LastRaceAddress, "pc:4000");
}

TEST_F(RaceDialogsTest, EscapeCallsTheWaitOff) {
  Settings s = settings.Kept();
  s.LastRaceAddress = "192.168.1.20";
  settings.Change(s);
  Frame();
  ChooseGameMenuItem(kJoinRow);
  Press(DialogKey::Enter);
  EXPECT_EQ(asked, std::vector<std::string>{"join 192.168.1.20:17717"});
  Press(DialogKey::Escape);
  EXPECT_EQ(asked.back(), "cancel");
  EXPECT_FALSE(menus.DialogOpen());
}

TEST_F(RaceDialogsTest, EscapeClosesTheHostDialogAskingNothing) {
  Frame();
  ChooseGameMenuItem(kHostRow);
  Press(DialogKey::Escape);
  EXPECT_FALSE(menus.DialogOpen());
  EXPECT_TRUE(asked.empty());
}

TEST_F(RaceDialogsTest, TheItemsAreGreyedWhileARaceIsPlayed) {
  racing = true;
  Frame();
  ChooseGameMenuItem(kHostRow);
  EXPECT_FALSE(menus.DialogOpen());
}
