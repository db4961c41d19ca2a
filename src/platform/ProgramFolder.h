#pragma once

#include <filesystem>

// The folder this program's own file lies in; empty when the system cannot
// tell.
std::filesystem::path ProgramFolder();
