#include "platform/PhysicalKeys.h"

#include <array>
#include <utility>

#include "host/settings/KeyBindings.h"

namespace {

constexpr std::array<std::pair<SDL_Keycode, std::string_view>, 37> kNamed = {{
    {SDLK_LEFT, "Left"}, {SDLK_RIGHT, "Right"}, {SDLK_UP, "Up"}, {SDLK_DOWN, "Down"},
    {SDLK_SPACE, "Space"}, {SDLK_RETURN, "Enter"}, {SDLK_KP_ENTER, "Enter"}, {SDLK_TAB, "Tab"},
    {SDLK_BACKSPACE, "Backspace"}, {SDLK_INSERT, "Insert"}, {SDLK_DELETE, "Delete"}, {SDLK_HOME, "Home"},
    {SDLK_END, "End"}, {SDLK_PAGEUP, "PageUp"}, {SDLK_PAGEDOWN, "PageDown"},
    {SDLK_KP_0, "Keypad0"}, {SDLK_KP_1, "Keypad1"}, {SDLK_KP_2, "Keypad2"}, {SDLK_KP_3, "Keypad3"},
    {SDLK_KP_4, "Keypad4"}, {SDLK_KP_5, "Keypad5"}, {SDLK_KP_6, "Keypad6"}, {SDLK_KP_7, "Keypad7"},
    {SDLK_KP_8, "Keypad8"}, {SDLK_KP_9, "Keypad9"}, {SDLK_KP_PLUS, "KeypadPlus"}, {SDLK_KP_MINUS, "KeypadMinus"},
    {SDLK_KP_MULTIPLY, "KeypadMultiply"}, {SDLK_KP_DIVIDE, "KeypadDivide"},
    {SDLK_LSHIFT, "LeftShift"}, {SDLK_RSHIFT, "RightShift"}, {SDLK_LCTRL, "LeftCtrl"}, {SDLK_RCTRL, "RightCtrl"},
    {SDLK_LALT, "LeftAlt"}, {SDLK_RALT, "RightAlt"}, {SDLK_COMMA, "Comma"}, {SDLK_PERIOD, "Period"},
}};

// Where the digits start among the key names, after A to Z.
constexpr std::size_t kFirstDigitName = 26;

}  // namespace

std::string_view PhysicalKeyName(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return PhysicalKeyNames()[static_cast<std::size_t>(key - SDLK_a)];
  if (key >= SDLK_0 && key <= SDLK_9) return PhysicalKeyNames()[kFirstDigitName + static_cast<std::size_t>(key - SDLK_0)];
  for (const auto& [code, name] : kNamed) {
    if (code == key) return name;
  }
  return {};
}
