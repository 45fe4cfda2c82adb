#include "core/answertable.h"

#include <charconv>

#include "core/textio.h"

namespace quotella {

std::string Keystring(const PuzzleDocument& doc, int row) {
  if (!StringTable::Valid(0, row)) return {};
  std::string word;
  for (int c = 1; c < kTableSize; ++c) word += doc.KeyWords.At(c, row);
  return Trim(word);
}

std::vector<std::string> TableAnswers(const PuzzleDocument& doc) {
  std::vector<std::string> answers;
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row)
    answers.push_back(Keystring(doc, row));
  return answers;
}

int NumEmpty(const PuzzleDocument& doc) {
  int n = 0;
  for (int r = 0; r < doc.P.NumWords && r < kTableSize; ++r)
    if (doc.KeyWords.At(2, r).empty()) ++n;
  return n;
}

bool PoolIsEmpty(const PuzzleDocument& doc) {
  for (int count : doc.P.Pool)
    if (count > 0) return false;
  return true;
}

int GetFirstFreeRow(const PuzzleDocument& doc, char letter) {
  const char up = UpperCase(std::string(1, letter))[0];
  for (int r = 0; r < doc.P.NumWords && r < kTableSize; ++r) {
    const std::string word = Keystring(doc, r);
    if (!word.empty() && UpperCase(word.substr(0, 1))[0] == up) return r;
  }
  return -1;
}

int FindMappedCell(const PuzzleDocument& doc, int col, int row) {
  for (int i = 1; i <= doc.P.NumCells && i <= kMaxCells; ++i) {
    const auto& cell = doc.P.Cells[static_cast<std::size_t>(i)];
    if (cell.Mapped && cell.KeywordCol == col && cell.KeywordRow == row) return i;
  }
  return 0;
}

int MappedIndex(const PuzzleDocument& doc, int col, int row) {
  if (!StringTable::Valid(col, row)) return 0;
  const std::string text = Trim(doc.NumberGrid.At(col, row));
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return 0;
  if (value < 1 || value > doc.P.NumCells || value > kMaxCells) return 0;
  return value;
}

}  // namespace quotella
