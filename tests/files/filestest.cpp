#include "filestest.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/quoteparse.h"
#include "core/textio.h"

namespace quotella::test {

TempDir::TempDir() {
  std::random_device rd;
  m_dir = std::filesystem::temp_directory_path() / ("quotella-files-" + std::to_string(rd()));
  std::filesystem::create_directories(m_dir);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_dir, ec);
}

std::vector<std::string> BenchQuotes() {
  return ReadTextLines(std::string(QUOTELLA_SOURCE_DIR) + "/tests/data/bench_quotes.txt")
      .value_or(std::vector<std::string>{});
}

void MakePuzzle(PuzzleDocument& doc, const std::string& line) {
  QuotesEditorDblClick(doc, line);
}

void FillRows(PuzzleDocument& doc, int extra, const std::vector<int>& skipRows) {
  const Tpuzzle& p = doc.P;
  int next = 0;  // letters are taken round the alphabet so that rows differ
  for (int r = 0; r < p.NumWords; ++r) {
    doc.ClueLines[static_cast<std::size_t>(r)] =
        doc.Label(r) + ". Clue number " + std::to_string(r);
    if (std::find(skipRows.begin(), skipRows.end(), r) != skipRows.end()) continue;
    std::string word(1, p.QuotellaStr[static_cast<std::size_t>(r)]);
    LetterCounts left = p.Pool;
    for (int k = 0; k < extra; ++k) {
      for (int step = 0; step < 26; ++step) {
        const int letter = (next + step) % 26;
        if (left[static_cast<std::size_t>(letter)] > 0) {
          word += static_cast<char>('A' + letter);
          --left[static_cast<std::size_t>(letter)];
          next = letter + 1;
          break;
        }
      }
    }
    if (word.size() > 1) LayInString(doc, word, r);
  }
}

std::string BrokenInvariant(const PuzzleDocument& doc) {
  const Tpuzzle& p = doc.P;
  LetterCounts mapped{};
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& cell = p.Cells[static_cast<std::size_t>(i)];
    const std::string where = "cell " + std::to_string(i) + ": ";
    if (cell.Special && cell.Mapped) return where + "a space or hyphen is mapped";
    if (!cell.Mapped) {
      if (!cell.CellLabel.empty()) return where + "unmapped but labelled";
      continue;
    }
    const int c = cell.KeywordCol, r = cell.KeywordRow;
    if (r < 0 || r >= p.NumWords || c < 1 || c >= kTableSize) return where + "bad row or column";
    if (MappedIndex(doc, c, r) != i) return where + "the number map does not name it";
    if (doc.KeyWords.At(c, r) != std::string(1, cell.Char))
      return where + "mapped to the letter " + doc.KeyWords.At(c, r) + " but holds " + cell.Char;
    if (cell.CellLabel != doc.Label(r)) return where + "label " + cell.CellLabel;
    ++mapped[static_cast<std::size_t>(LetterIndex(cell.Char))];
  }
  for (int r = 0; r < p.NumWords; ++r)
    for (int c = 1; c < kTableSize; ++c) {
      const std::string& entry = doc.NumberGrid.At(c, r);
      if (entry.empty()) continue;
      const int i = MappedIndex(doc, c, r);
      if (i == 0)
        return "number map (" + std::to_string(c) + "," + std::to_string(r) + ") = " + entry;
      const auto& cell = p.Cells[static_cast<std::size_t>(i)];
      if (!cell.Mapped || cell.KeywordCol != c || cell.KeywordRow != r)
        return "number map entry " + entry + " names a cell mapped elsewhere";
    }
  const LetterCounts master = CountAZ(p.MasterQuote);
  for (int l = 0; l < 26; ++l) {
    const auto k = static_cast<std::size_t>(l);
    if (p.Pool[k] != master[k] - mapped[k])
      return std::string("pool of ") + static_cast<char>('A' + l) + " is " +
             std::to_string(p.Pool[k]) + ", expected " + std::to_string(master[k] - mapped[k]);
  }
  return {};
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace quotella::test
