#include "search/wordsource.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "core/linescan.h"
#include "core/quoteparse.h"
#include "core/textio.h"
#include "core/tpuzzle.h"

#ifndef QUOTELLA_INSTALLED_DATA_DIR
#define QUOTELLA_INSTALLED_DATA_DIR ""
#endif

namespace quotella {

namespace {

char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string NormaliseListEntry(const std::string& entry) {
  const std::size_t marker = entry.find(kCommentMarker);
  return WordLetters(std::string_view(entry).substr(0, marker));
}

std::string NormaliseDictLine(const std::string& line) {
  // Blanks and excluded characters go wherever they stand, so the trim of the dictionary
  // scan has nothing left to do (control characters are excluded too).
  return WordLetters(line);
}

bool LessNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(Upper(a[i]));
    const auto cb = static_cast<unsigned char>(Upper(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

void SortNoCase(std::vector<std::string>& items) {
  // Letter files arrive sorted already.
  if (std::is_sorted(items.begin(), items.end(), LessNoCase)) return;
  std::stable_sort(items.begin(), items.end(), LessNoCase);
}

std::size_t InsertSorted(std::vector<std::string>& items, const std::string& item) {
  const auto index = static_cast<std::size_t>(
      std::upper_bound(items.begin(), items.end(), item, LessNoCase) - items.begin());
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), item);
  return index;
}

std::string DirWithSeparator(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + "/";
}

std::string EffectiveDictDir(const std::string& dictDir, const std::string& programDir) {
  return dictDir.empty() ? programDir : dictDir;
}

std::string LetterFileName(const std::string& dir, char initial) {
  return dir + Upper(initial) + ".txt";
}

std::string FindLetterFile(const std::string& dir, char initial) {
  std::string upper = LetterFileName(dir, initial);
  if (FileExists(upper)) return upper;
  std::string lower = dir + LowerCase(std::string(1, initial)) + ".txt";
  if (FileExists(lower)) return lower;
  // Any other spelling of the name ("A.TXT", "a.Txt").
  namespace fs = std::filesystem;
  const std::string wanted = UpperCase(std::string(1, initial) + ".txt");
  std::error_code ec;
  for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (UpperCase(name) == wanted && FileExists(dir + name)) return dir + name;
  }
  return upper;
}

bool HasDictionary(const std::string& dir) {
  for (char c = 'A'; c <= 'Z'; ++c)
    if (!FileExists(FindLetterFile(dir, c))) return false;
  return true;
}

std::string DefaultDictDir(const std::string& programDir) {
  std::string program = DirWithSeparator(programDir);
  if (FileExists(FindLetterFile(program, 'a'))) return program;
  // An installed copy, wherever its prefix was moved: the data folder beside bin/.
  std::string beside = program + "../" + QUOTELLA_RELATIVE_DATA_DIR;
  if (FileExists(FindLetterFile(beside, 'a'))) return beside;
  std::string installed = QUOTELLA_INSTALLED_DATA_DIR;
  if (!installed.empty() && FileExists(FindLetterFile(installed, 'a'))) return installed;
  return program;
}

std::optional<std::vector<std::string>> ReadWordFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  return ReadTextLines(path);
}

std::optional<std::string> ReadWordFileText(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  return ReadText(path);
}

namespace {

std::optional<std::vector<std::string>> LoadNormalised(
    const std::string& path, std::string (*normalise)(const std::string&)) {
  const auto text = ReadWordFileText(path);
  if (!text) return std::nullopt;
  // Only the lines that give a word are kept; they are sorted as the file's lines.
  std::vector<std::string> lines;
  ForEachLine(*text, [&](std::string_view line) {
    std::string kept(line);
    if (!normalise(kept).empty()) lines.push_back(std::move(kept));
  });
  SortNoCase(lines);
  for (auto& line : lines) line = normalise(line);
  return lines;
}

}  // namespace

std::optional<std::vector<std::string>> LoadLetterWords(const std::string& dir, char initial) {
  return LoadNormalised(FindLetterFile(dir, initial), NormaliseDictLine);
}

std::optional<std::vector<std::string>> LoadListWords(const std::string& path) {
  return LoadNormalised(path, NormaliseListEntry);
}

bool Familiarity::Load(const std::string& path) {
  m_sizes.clear();
  const auto text = ReadWordFileText(path);
  if (!text) return false;
  ForEachLine(*text, [&](std::string_view line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || blank == 0) return;
    int size = 0;
    const auto [p, ec] = std::from_chars(line.data() + blank + 1, line.data() + line.size(), size);
    if (ec != std::errc() || size <= 0) return;
    (void)p;
    m_sizes.emplace(UpperCase(std::string(line.substr(0, blank))), size);
  });
  return true;
}

int Familiarity::SizeOf(const std::string& word) const {
  const auto it = m_sizes.find(UpperCase(word));
  return it == m_sizes.end() ? 0 : it->second;
}

}  // namespace quotella
