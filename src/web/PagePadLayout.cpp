#include "web/PagePadLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr int kStickRange = 32767;

constexpr std::array<std::pair<int, pad::Button>, 7> kButtons{{
    {0, pad::Button::A},
    {1, pad::Button::B},
    {9, pad::Button::Start},
    {12, pad::Button::DpadUp},
    {13, pad::Button::DpadDown},
    {14, pad::Button::DpadLeft},
    {15, pad::Button::DpadRight},
}};
constexpr std::array<std::pair<int, pad::Axis>, 2> kAxes{{{0, pad::Axis::LeftX}, {1, pad::Axis::LeftY}}};

template <typename Table>
std::vector<int> Numbers(const Table& table) {
  std::vector<int> numbers;
  for (const auto& [number, part] : table) numbers.push_back(number);
  return numbers;
}

template <typename Table>
auto PartOf(const Table& table, int number) -> std::optional<decltype(table[0].second)> {
  const auto found = std::find_if(table.begin(), table.end(), [number](const auto& p) { return p.first == number; });
  if (found == table.end()) return std::nullopt;
  return found->second;
}

}  // namespace

const std::vector<int>& StandardPadButtons() {
  static const std::vector<int> numbers = Numbers(kButtons);
  return numbers;
}

const std::vector<int>& StandardPadAxes() {
  static const std::vector<int> numbers = Numbers(kAxes);
  return numbers;
}

std::optional<pad::Button> PadButtonOf(int number) { return PartOf(kButtons, number); }
std::optional<pad::Axis> PadAxisOf(int number) { return PartOf(kAxes, number); }

int StickValue(double position) { return static_cast<int>(std::floor(position * kStickRange + 0.5)); }
