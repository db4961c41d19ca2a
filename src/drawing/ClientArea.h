#pragma once

#include "state/Game.h"

// The main window's client area below the menu bar: the play field and the
// side panel, as a classic desktop form draws them.
constexpr int kClientWidth = 744;
constexpr int kClientHeight = 520;

// Where the visible parts of the main window lie in the client area.
constexpr int kShownFieldX = 24, kShownFieldY = 16;
constexpr int kLivesLabelX = 592, kLivesLabelY = 56;
constexpr int kLivesImageX = 592, kLivesImageY = 80;
constexpr int kScoreLabelX = 592, kScoreLabelY = 200;
constexpr int kScoreBoxX = 592, kScoreBoxY = 216;
constexpr int kScoreBarX = 640, kScoreBarY = 216;
constexpr int kHiLabelX = 592, kHiLabelY = 256;
constexpr int kHiScoreBoxX = 592, kHiScoreBoxY = 272;
constexpr int kHiScoreBarX = 640, kHiScoreBarY = 272;
constexpr int kEditWidth = 41, kEditHeight = 20;
constexpr int kStageCaptionX = 600, kStageCaptionY = 336;
constexpr int kStageCaptionWidth = 113, kStageCaptionHeight = 73;

// The form's face colour and its window font.
constexpr Pixel kFaceColour = Rgb(192, 192, 192);
constexpr const char* kFormFont = "ＭＳ Ｐゴシック";
constexpr int kFormFontHeight = 12;

// Draws the whole client area into out (resized to kClientWidth x
// kClientHeight). Pixels keep their palette tags; ResolvePaletteTags turns
// the result into plain colours.
void ComposeClientArea(Game& g, Surface& out);
// The same with the palette tags resolved: the picture as the window shows
// it and as screenshots save it.
void ComposeShownClientArea(Game& g, Surface& out);
