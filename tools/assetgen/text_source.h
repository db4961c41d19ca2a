#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {

// One meaningful line of a source file: comments (from a '#' that starts
// a word to the end of the line; "f#4" is a note) and surrounding blanks
// removed, blank lines skipped.
struct SourceLine {
  int number = 0;
  std::string text;
};

struct SourceFile {
  std::filesystem::path path;
  std::vector<SourceLine> lines;
};

SourceFile ReadSource(const std::filesystem::path& path);

// Lines are read raw (only trailing blanks stripped) where pixel rows may
// contain '#'.
SourceFile ReadRawSource(const std::filesystem::path& path);

std::vector<std::string> SplitWords(const std::string& text);

int ParseInt(const std::string& word, const SourceFile& file, int line);
double ParseNumber(const std::string& word, const SourceFile& file, int line);

class SourceError : public std::runtime_error {
 public:
  SourceError(const SourceFile& file, int line, const std::string& what);
};

}  // namespace assetgen
