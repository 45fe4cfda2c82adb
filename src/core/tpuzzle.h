#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace quotella {

inline constexpr int kMaxCells = 1000;
inline constexpr int kMaxWords = 52;
inline constexpr int kTableSize = 52;  // rows and columns of the answer-word table
inline constexpr int kMaxWordLetters = 51;
inline constexpr int kMaxCellLabel = 10;
inline constexpr int kMaxClueLines = 12;
inline constexpr const char* kDefaultFreqOrder = "ETAOINSHRDLUCMFGYPWBVKXJQZ";

// A set of 8-bit characters, indexed by the character code.
using CharSet = std::bitset<256>;
inline bool InSet(const CharSet& set, char c) {
  return set.test(static_cast<unsigned char>(c));
}

// Per-letter counts, index 0 = 'A'.
using LetterCounts = std::array<int, 26>;
inline bool IsUpperLetter(char c) {
  return c >= 'A' && c <= 'Z';
}
inline int LetterIndex(char c) {
  return c - 'A';
}

// One position of the master quote. Cell indices are 1-based everywhere in the
// program (0 means "no cell"), as in the puzzle file and the number map.
struct TMasterCellRec {
  char Char = 0;
  int CellNumber = 0;
  bool Special = false;
  bool Mapped = false;
  int KeywordRow = 0;
  int KeywordCol = 0;
  std::string CellLabel;
  bool Illegal = false;
  bool Locked = false;
  std::string Wordstr;
  std::string Labelstr;
  bool Highlight = false;
  bool SwapMark = false;
  bool WordHighlight = false;
  bool CommonMark = false;
  bool Cursor = false;

  bool operator==(const TMasterCellRec&) const = default;
};

// Every field of the puzzle record but its cells. A field added here is compared, kept
// by undo and put back by it without further code.
struct PuzzleFields {
  std::string Title;
  std::string Quote;
  std::string Author;
  std::string QuoteText;
  std::string AuthorText;
  std::string WorkText;
  std::string QuoteLine;
  int NumCells = 0;
  std::string FreqOrder;
  std::string RarityOrder;
  std::string ReverseFreqOrder;
  int NumProblemChars = 0;
  std::string SingletonStr;
  std::string QuotellaStr;
  std::string MasterQuote;
  std::string QuoteOrig;
  std::string AuthorOrig;
  std::string WorkOrig;
  // The grid letters come from folding the quotation's letters to A-Z and collapsing runs
  // of blanks. False for a puzzle loaded from a file written before that: its letters are
  // the quotation's A-Z letters alone, and it is saved so again.
  bool FoldedLetters = true;
  std::string ProblemPoolStr;
  bool AllProblemChars = false;
  std::string PoolLetters;
  int NumWords = 0;
  std::string Work;
  CharSet ProblemSet;
  CharSet VowelSet;
  CharSet ConsonantSet;
  CharSet ExcludedSet;
  LetterCounts Pool{};
  CharSet SeparatorSet;
  LetterCounts SpareCount{};
  // Labels[1] .. Labels[52]; Labels[0] is never used.
  std::array<std::string, kMaxWords + 1> Labels;
  int ExtraCells = 0;
  double AvgWordLength = 0.0;
  int GridOffset = 0;
  int TrailingCells = 0;
  double VowelPercent = 0.0;

  bool operator==(const PuzzleFields&) const = default;
};

// The puzzle: quotation, cells and letter pool. Strings are Windows-1252.
struct Tpuzzle : PuzzleFields {
  // Cells[1] .. Cells[kMaxCells]; Cells[0] is never used.
  std::array<TMasterCellRec, kMaxCells + 1> Cells{};

  bool operator==(const Tpuzzle&) const = default;

  int& PoolOf(char letter) { return Pool[LetterIndex(letter)]; }
  int PoolOf(char letter) const { return Pool[LetterIndex(letter)]; }
};
// The cells are the only field of the puzzle outside PuzzleFields: undo keeps the two
// apart, the cells in shared runs.
static_assert(sizeof(Tpuzzle) == sizeof(PuzzleFields) + sizeof(Tpuzzle::Cells),
              "a field of the puzzle belongs in PuzzleFields");

// The clue layout of one answer word on the printed page.
struct TClueRecord {
  int Height = 0;
  int NumClueLines = 0;
  int NumNumberLines = 0;
  std::array<std::string, kMaxClueLines + 1> ClueLines;    // [1..12]
  std::array<std::string, kMaxClueLines + 1> NumberLines;  // [1..12]
};

// A 52 x 52 grid of short strings: the answer-word table and the number map.
// Indexed (column, row), both 0-based, as the grids show them.
class StringTable {
 public:
  std::string& At(int col, int row) { return m_cells[Index(col, row)]; }
  const std::string& At(int col, int row) const { return m_cells[Index(col, row)]; }
  void Clear() {
    for (auto& s : m_cells) s.clear();
  }
  static bool Valid(int col, int row) {
    return col >= 0 && col < kTableSize && row >= 0 && row < kTableSize;
  }

 private:
  static std::size_t Index(int col, int row) {
    return static_cast<std::size_t>(row) * kTableSize + static_cast<std::size_t>(col);
  }
  std::array<std::string, static_cast<std::size_t>(kTableSize) * kTableSize> m_cells;
};

// The excluded characters: codes 1-31, 33-64, 91-96, 126-255.
CharSet MakeExcludedSet();

}  // namespace quotella
