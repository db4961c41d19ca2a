#include "web/PageCalls.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "web/PageGame.h"

namespace {

std::string refusal;

// The page's clock counts milliseconds since the page loaded; no page stays
// open for a hundred years.
constexpr double kLatestClock = 100.0 * 365 * 24 * 60 * 60 * 1000;

std::string Shown(double value) {
  if (!std::isfinite(value)) return "(not a number)";
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

bool RefuseNumber(const char* what, double value, const std::string& wanted) {
  RefuseCall(std::string(what) + " " + Shown(value) + " is not " + wanted);
  return false;
}

}  // namespace

void RefuseCall(std::string why) { refusal = std::move(why); }

std::string TakeRefusal() { return std::exchange(refusal, std::string()); }

bool CheckRange(const char* what, long long value, long long low, long long high) {
  if (value >= low && value <= high) return true;
  return RefuseNumber(what, static_cast<double>(value), "from " + std::to_string(low) + " to " + std::to_string(high));
}

bool CheckBetween(const char* what, double value, double low, double high) {
  if (std::isfinite(value) && value >= low && value <= high) return true;
  return RefuseNumber(what, value, "a number from " + Shown(low) + " to " + Shown(high));
}

bool CheckWhole(const char* what, double value, double low, double high) {
  if (std::isfinite(value) && std::floor(value) == value && value >= low && value <= high) return true;
  return RefuseNumber(what, value, "a whole number from " + Shown(low) + " to " + Shown(high));
}

bool CheckText(const char* what, const char* text) {
  if (text) return true;
  RefuseCall(std::string(what) + " is missing");
  return false;
}

std::optional<std::int64_t> CheckedClock(double now) {
  if (!CheckBetween("the clock's time", now, 0, kLatestClock)) return std::nullopt;
  return static_cast<std::int64_t>(now);
}

PagePlay* StartedGame() {
  PagePlay* game = ThePageGame();
  if (!game) RefuseCall("the game has not started");
  return game;
}
