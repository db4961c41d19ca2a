#pragma once

#include <string>
#include <string_view>

#include <imgui.h>

// The window the added dialogs share (sound, keys, races): modal, with a
// title bar and a close box, as big as what it holds, centred on the window.
inline constexpr ImGuiWindowFlags kDialogWindowFlags = ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoMove |
                                                      ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings;

// A dialog's title with the ImGui id that stays the same in every language.
std::string DialogTitle(std::string_view caption, const char* id);

// Puts the next window's centre on the display's.
void CentreNextWindow();

// Begins the modal dialog titled so, opening it on its first frame (when
// opening is set, which is then cleared), centred; false once it is gone
// (closed with its close box, which clears stillOpen, or by Escape).
bool BeginModalDialog(const std::string& title, bool& opening, bool& stillOpen);

// Ends the dialog begun, closing it when close.
void EndModalDialog(bool close);
