#pragma once

// The program's exit statuses besides 0.
// A file the game needs cannot be read or written.
constexpr int kFileTrouble = 1;
// A bad option, or a recording (or a race's inputs) that is malformed.
constexpr int kMalformed = 2;
// A race whose two games went different ways.
constexpr int kRaceDesync = 3;
// A race whose connection was lost, or nobody answered.
constexpr int kRaceLost = 4;
// A race the other program refused.
constexpr int kRaceRefused = 5;
