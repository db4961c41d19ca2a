#pragma once

#include <string>

// Replaces the file at path with text in one step: the text goes into a
// temporary file in the same folder, which is flushed to the disk and then
// renamed over path. Readers see the old file or the new one, never a part.
// On failure the old file is untouched, the temporary file is removed and
// error says why in one line naming the file. The folder is made if missing.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error);
