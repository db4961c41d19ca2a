#pragma once

#include <array>
#include <string_view>

// The captions of the main window's menu bar and of the settings dialogs,
// exactly as they are shown. The letters in parentheses name the keys that
// do the same; the menu has no shortcut keys of its own.
namespace caption {
inline constexpr std::string_view GameMenu = "Game";
inline constexpr std::string_view RestartMenu = "やり直し(R)";
inline constexpr std::string_view PauseMenu = "ポーズ(P)";
inline constexpr std::string_view ExitMenu = "終了";
inline constexpr std::string_view ConfigMenu = "Config";
inline constexpr std::string_view BrightnessMenu = "2人用モードの画面の明るさ(Q,W)";
inline constexpr std::string_view SpeedMenu = "スピード調節(A,S)";
inline constexpr std::string_view Dialog = "ﾀﾞｲｱﾛｸﾞ";
inline constexpr std::string_view OKButton = "OK";
}  // namespace caption

// Every caption above; the menu font needs a glyph for each of their
// characters (the slider labels are digits and "Label1", plain ASCII).
inline constexpr std::array<std::string_view, 9> kShownCaptions = {
    caption::GameMenu,  caption::RestartMenu, caption::PauseMenu, caption::ExitMenu, caption::ConfigMenu,
    caption::BrightnessMenu, caption::SpeedMenu,   caption::Dialog,    caption::OKButton};
