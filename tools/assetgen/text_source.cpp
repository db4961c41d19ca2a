#include "text_source.h"

#include <fstream>
#include <sstream>

namespace assetgen {

namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace

SourceFile ReadSource(const std::filesystem::path& path) {
  SourceFile file{path, {}};
  const auto raw = ReadAllLines(path);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    std::string text = raw[i];
    for (std::size_t at = 0; at < text.size(); ++at)
      if (text[at] == '#' && (at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t')) {
        text.erase(at);
        break;
      }
    text = Trim(text);
    if (!text.empty()) file.lines.push_back({static_cast<int>(i + 1), text});
  }
  return file;
}

SourceFile ReadRawSource(const std::filesystem::path& path) {
  SourceFile file{path, {}};
  const auto raw = ReadAllLines(path);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const std::string text = Trim(raw[i]);
    if (!text.empty()) file.lines.push_back({static_cast<int>(i + 1), text});
  }
  return file;
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

int ParseInt(const std::string& word, const SourceFile& file, int line) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(word, &used);
    if (used == word.size()) return value;
  } catch (const std::exception&) {
  }
  throw SourceError(file, line, "expected a whole number, found '" + word + "'");
}

double ParseNumber(const std::string& word, const SourceFile& file, int line) {
  try {
    std::size_t used = 0;
    const double value = std::stod(word, &used);
    if (used == word.size()) return value;
  } catch (const std::exception&) {
  }
  throw SourceError(file, line, "expected a number, found '" + word + "'");
}

SourceError::SourceError(const SourceFile& file, int line, const std::string& what)
    : std::runtime_error(file.path.string() + ":" + std::to_string(line) + ": " + what) {}

}  // namespace assetgen
