#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/Character.h"
#include "state/EnemyKind.h"
#include "state/LifeStates.h"
#include "state/MusicDevice.h"
#include "state/PlayMode.h"
#include "state/Random.h"
#include "state/Services.h"
#include "state/SliderDialog.h"
#include "state/Surface.h"
#include "state/Tile.h"
#include "state/Timer.h"

using i32 = std::int32_t;

constexpr int kFieldWidth = 553;
constexpr int kFieldHeight = 481;
constexpr int kGridSize = 41;
constexpr int kItemSlots = 101;
constexpr int kItemLimit = 99;
constexpr int kLiftSlots = 41;
constexpr int kEnemySlots = 51;
constexpr int kRevealSlots = 401;

struct PaletteEntry {
  std::uint8_t Red = 0, Green = 0, Blue = 0, Flags = 0;
};

// The whole shared state of the game, one member per global of the original
// design, under the same names. Everything starts at 0.
struct Game {
  // Game progress
  ::PlayMode PlayMode = PlayMode::OnePlayer;
  i32 StageNo = 0;
  i32 Lives = 0;
  i32 Score = 0;
  i32 HiScore = 0;
  i32 ContinueCount = 0;
  i32 MissFlag = 0;
  i32 Paused = 0;
  i32 PracticeStage = 1;  // the stage the title's Enter starts at (--stage)

  // Input flags
  i32 KeyLeft = 0, KeyRight = 0, KeyUp = 0, KeyDown = 0, KeySpace = 0, KeyEnter = 0;
  i32 LeftKeys[2] = {}, RightKeys[2] = {}, UpKeys[2] = {}, DownKeys[2] = {}, JumpKeys[2] = {};

  // Stage grid, [column][row], and what the player has uncovered
  Tile MapData[kGridSize][kGridSize] = {};
  i32 Revealed[kGridSize][kGridSize] = {};
  i32 RevealCount = 0;
  i32 RevealX[kRevealSlots] = {}, RevealY[kRevealSlots] = {};

  // One-player character, and where a life starts
  Character Player;
  i32 StartX = 0, StartY = 0;

  // Items
  i32 ItemCount = 0;
  i32 ItemX[kItemSlots] = {}, ItemY[kItemSlots] = {}, ItemPhase[kItemSlots] = {};
  i32 ItemsLeft = 0;

  // Lifts
  i32 LiftCount = 0;
  i32 LiftX[kLiftSlots] = {}, LiftY[kLiftSlots] = {}, LiftDir[kLiftSlots] = {};
  i32 LiftMoving[kLiftSlots] = {}, LiftSeen[kLiftSlots] = {};

  // Enemies
  i32 EnemyCount = 0;
  ::EnemyKind EnemyKind[kEnemySlots] = {};
  i32 EnemyX[kEnemySlots] = {}, EnemyY[kEnemySlots] = {};
  i32 EnemyDX[kEnemySlots] = {}, EnemyDY[kEnemySlots] = {};
  i32 EnemyJumping[kEnemySlots] = {}, EnemyJumpTick[kEnemySlots] = {}, EnemyJumpDX[kEnemySlots] = {};
  i32 EnemyJumpX[kEnemySlots] = {}, EnemyJumpY[kEnemySlots] = {};

  // Two-player characters, [0] player 1, [1] player 2
  Character Duo[2];
  i32 DuoItemsLeft[2] = {};

  // Presentation tables
  std::array<std::string, 11> StageNames{};
  PaletteEntry DuoPalette[6] = {};
  Surface* RacerStageImages[2] = {nullptr, nullptr};

  // Sequence counters
  i32 TitleCount = 0;
  i32 EndingTick = 0;

  // The shared random generator
  std::uint32_t RandomSeed = 0;
  i32 Random(i32 n) { return NextRandom(RandomSeed, n); }

  // The five timers of the main window
  Timer TitleTimer, Timer1, Timer2, ClearTimer, EndingTimer;
  Timer& TimerById(TimerId id);
  const Timer& TimerById(TimerId id) const;

  // Drawing surfaces of the main window
  Surface ShownField{kFieldWidth, kFieldHeight};
  Surface FrameImage{kFieldWidth, kFieldHeight};
  Surface StageImage{kFieldWidth, kFieldHeight};
  Surface UncoveredImage{kFieldWidth, kFieldHeight};
  Surface RacerOneStageImage{kFieldWidth, kFieldHeight};
  Surface RacerTwoStageImage{kFieldWidth, kFieldHeight};
  Surface TextStrip{kFieldWidth, 161};
  Surface LivesImage{129, 97};
  Surface ScoreBar{89, 17};
  Surface HiScoreBar{89, 17};
  Surface SpriteSheet;
  Surface DuoSpriteSheet;
  Surface TitleLogo;

  // Text components of the side panel
  std::vector<std::string> StageCaption{"StageMemo"};
  std::string ScoreBox;
  std::string HiScoreBox;
  std::string FrameIntervalLabel = "Label1";  // hidden label that holds the frame interval

  // The speed dialog and the two-player brightness dialog
  SliderDialog SpeedDialog;
  SliderDialog BrightnessDialog;

  // The music device and the platform's services
  MusicDevice MusicPlayer;
  TextRasterizer* Text = nullptr;
  SoundEffects* Sound = nullptr;
  Presenter* Screen = nullptr;

  // Set when the main window is to close (the Game menu's exit item).
  bool CloseRequested = false;

  void PlaySound(const std::string& file) {
    if (Sound) Sound->Play(file);
  }
  // ShownField.Repaint: have the visible window show the picture now.
  void RepaintField() {
    if (Screen) Screen->Repaint();
  }
};

// Start-up of the main window, steps 1 to 5: seed from the milliseconds since
// midnight UTC, the two-player background table, the brightness colours, the
// stage names and the high score. The title screen comes after it.
void SetUpGame(Game& g, std::uint32_t millisecondsSinceMidnight);
// The main window became active: every input flag goes back to 0.
void WindowActivated(Game& g);
