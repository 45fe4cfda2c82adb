#include "render/cluelayout.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace quotella {

namespace {

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ') ++j;
    if (j > i) words.push_back(text.substr(i, j - i));
    i = j;
  }
  return words;
}

std::string TrimLeft(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

std::optional<int> ToInt(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  int value = 0;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Where each character of a UTF-8 word after the first starts.
std::vector<std::size_t> CharacterStarts(const std::string& word) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 1; i < word.size(); ++i)
    if ((static_cast<unsigned char>(word[i]) & 0xC0) != 0x80) starts.push_back(i);
  return starts;
}

// The longest head of a word narrower than width, at least one character and never
// part of one; 0 when the word is a single character.
std::size_t FittingHead(const std::string& word, int width, const ClueLayout::WidthOf& widthOf) {
  const std::vector<std::size_t> starts = CharacterStarts(word);
  if (starts.empty()) return 0;
  std::size_t low = 0;
  std::size_t high = starts.size() - 1;
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (widthOf(word.substr(0, starts[mid])) < width)
      low = mid;
    else
      high = mid - 1;
  }
  return starts[low];
}

}  // namespace

std::vector<std::string> ClueLayout::Wrap(const std::string& text, int width,
                                          const WidthOf& widthOf) {
  std::vector<std::string> lines;
  std::string line;
  for (const auto& whole : SplitWords(text)) {
    std::string word = whole;
    if (!line.empty() && widthOf(line + " " + word) >= width) {
      lines.push_back(line);
      line.clear();
    }
    if (!line.empty()) {
      line += " " + word;
      continue;
    }
    // A word too wide for a line of its own leaves its head on full lines.
    while (widthOf(word) >= width) {
      const std::size_t head = FittingHead(word, width, widthOf);
      if (head == 0) break;
      lines.push_back(word.substr(0, head));
      word.erase(0, head);
    }
    line = word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> ClueLayout::Wrap(const std::string& text, int width, FontRole role,
                                          const TextMeasure& measure) {
  return Wrap(text, width, [&](const std::string& s) { return measure.TextWidth(role, s); });
}

std::string ClueLayout::NumberText(const PuzzleDocument& doc, int row) {
  std::string text;
  for (int k = 1; k < kTableSize && !doc.NumberGrid.At(k, row).empty(); ++k) {
    const auto index = ToInt(doc.NumberGrid.At(k, row));
    if (!index || *index < 1 || *index > doc.P.NumCells) {
      doc.host().Message("Val error in FillclueRecs");
      continue;
    }
    std::string number = std::to_string(doc.P.Cells[static_cast<std::size_t>(*index)].CellNumber);
    // Centred under its "___": "@7@", "@42", "123".
    if (number.size() < 3) number.insert(0, 1, '@');
    if (number.size() < 3) number.push_back('@');
    text += number + " ";
  }
  return text;
}

std::vector<ClueBlock> ClueLayout::Build(const PuzzleDocument& doc, int clueWidth, int numberWidth,
                                         const TextMeasure& measure) {
  std::vector<ClueBlock> blocks;
  const int clueHeight = measure.TextHeight(FontRole::Clue, "M");
  const int dashHeight = measure.TextHeight(FontRole::Dash, "M");
  for (int row = 0; row < doc.P.NumWords; ++row) {
    ClueBlock block;
    const auto r = static_cast<std::size_t>(row);
    const std::string clue = r < doc.ClueLines.size() ? doc.ClueLines[r] : std::string();
    block.clueLines = Wrap(clue, clueWidth, FontRole::Clue, measure);
    for (auto line : Wrap(NumberText(doc, row), numberWidth, FontRole::Dash, measure)) {
      line = TrimLeft(line);
      std::replace(line.begin(), line.end(), '@', ' ');
      block.numberLines.push_back(line);
    }
    for (int k = 1; k < kTableSize && !doc.KeyWords.At(k, row).empty(); ++k)
      block.letters += doc.KeyWords.At(k, row)[0];
    block.height = clueHeight * static_cast<int>(block.clueLines.size()) +
                   dashHeight * static_cast<int>(block.numberLines.size()) * 3;
    blocks.push_back(std::move(block));
  }
  return blocks;
}

std::string ClueLayout::WritingLine(int n, const std::string& keyLetters, bool key) {
  std::string line;
  for (int i = 0; i < n; ++i) {
    if (!key) {
      line += "___ ";
    } else {
      const auto at = static_cast<std::size_t>(i);
      line += std::string(" ") + (at < keyLetters.size() ? keyLetters[at] : ' ') + "  ";
    }
  }
  return line;
}

int ClueLayout::NumbersOnLine(const std::string& numberLine) {
  return static_cast<int>(SplitWords(numberLine).size());
}

}  // namespace quotella
