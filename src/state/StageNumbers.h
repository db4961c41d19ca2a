#pragma once

// A one-player game's stages are numbered kFirstStage to kLastStage; clearing
// the last leads to the ending.
constexpr int kFirstStage = 1;
constexpr int kLastStage = 10;
