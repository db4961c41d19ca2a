#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "web/PagePlay.h"

// What the page's script hands the game is untrusted: every exported function
// checks its numbers and names before it uses them. A call it refuses does
// nothing and leaves one line saying why, which the page's script takes at
// once (velmorane_refusal) and throws as an error.
void RefuseCall(std::string why);
// The reason the last call was refused, or "" when it was not; taking it
// clears it.
std::string TakeRefusal();

// Whether value lies in low..high; otherwise refuses, naming what.
bool CheckRange(const char* what, long long value, long long low, long long high);
// Whether value is a number in low..high; otherwise refuses.
bool CheckBetween(const char* what, double value, double low, double high);
// Whether value is a whole number in low..high; otherwise refuses.
bool CheckWhole(const char* what, double value, double low, double high);
// Whether text is there at all; otherwise refuses.
bool CheckText(const char* what, const char* text);
// The page's clock in whole milliseconds, or empty (refused) when it is not
// a time the page's clock can show.
std::optional<std::int64_t> CheckedClock(double now);
// The game started; nullptr (refused) before a start or after one that
// failed.
PagePlay* StartedGame();
