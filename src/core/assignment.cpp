#include "core/assignment.h"

#include <algorithm>
#include <utility>

#include "core/answertable.h"
#include "core/construction.h"
#include "core/fittest.h"
#include "core/poolstatus.h"
#include "core/quoteparse.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr int kLastCol = kTableSize - 1;  // the 51st letter of an answer word

TMasterCellRec& Cell(PuzzleDocument& doc, int i) {
  return doc.P.Cells[static_cast<std::size_t>(i)];
}
const TMasterCellRec& Cell(const PuzzleDocument& doc, int i) {
  return doc.P.Cells[static_cast<std::size_t>(i)];
}
bool ValidCell(const PuzzleDocument& doc, int i) {
  return i >= 1 && i <= doc.P.NumCells && i <= kMaxCells;
}
bool IsSeparatorCell(const TMasterCellRec& c) {
  return c.Char == ' ' || c.Char == '-';
}
int PoolCount(const PuzzleDocument& doc, char letter) {
  return IsUpperLetter(letter) ? doc.P.PoolOf(letter) : 0;
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
int LastRow(const PuzzleDocument& doc) {
  return std::min(doc.P.NumWords, kTableSize) - 1;
}
bool IsWord(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!IsUpperLetter(Upper(c))) return false;
  return true;
}

void RefreshWordInfo(PuzzleDocument& doc, int i) {
  const QuoteWordInfo info = WordAtCell(doc, i);
  Cell(doc, i).Labelstr = info.labelText;
  Cell(doc, i).Wordstr = info.letters;
}

void RefreshPool(PuzzleDocument& doc) {
  RefreshPoolViews(doc);
  UpdateCharStatus(doc);
}

TablePos Select(PuzzleDocument& doc, TablePos pos) {
  doc.view().CurCol = pos.col;
  doc.view().CurRow = pos.row;
  return pos;
}

}  // namespace

QuoteWordInfo WordAtCell(const PuzzleDocument& doc, int i) {
  QuoteWordInfo info;
  if (!ValidCell(doc, i) || IsSeparatorCell(Cell(doc, i))) return info;
  int start = i;
  while (start > 1 && !IsSeparatorCell(Cell(doc, start - 1))) --start;
  for (int k = start; k <= doc.P.NumCells && !IsSeparatorCell(Cell(doc, k)); ++k) {
    info.letters += Cell(doc, k).Char;
    info.labelText += Cell(doc, k).CellLabel + "*";
  }
  info.letters = Trim(info.letters);
  return info;
}

int AssignKeywordChar(PuzzleDocument& doc, char letter, int col, int row) {
  Host& host = doc.host();
  if (!StringTable::Valid(col, row) || col < 1) return 0;
  const char L = Upper(letter);
  if (col >= 2) {
    const int j = MappedIndex(doc, col, row);
    if (j != 0) UnassignCell(doc, Cell(doc, j).Char, j, col, row);
  }
  if (PoolCount(doc, L) <= 0) {
    host.Message("no chars left in assign keyword char ");
    return 0;
  }
  std::vector<int> candidates;
  for (int i = 1; i <= doc.P.NumCells && i <= kMaxCells; ++i)
    if (Cell(doc, i).Char == L && !Cell(doc, i).Mapped) candidates.push_back(i);
  if (candidates.empty()) {
    const std::string count = std::to_string(PoolCount(doc, L));
    host.Message("Warning.. no candidates Find no cell with \"" + std::string(1, L) + "\" char ");
    host.Message("numofchar: " + std::string(1, L) + " is " + count + " in charpool: " + count);
    return 0;
  }
  const int n = static_cast<int>(candidates.size());
  if (n >= 2) {
    for (int k = 0; k < 20; ++k) {
      const int a = doc.Rng.Random(n);
      const int b = doc.Rng.Random(n);
      std::swap(candidates[static_cast<std::size_t>(a)], candidates[static_cast<std::size_t>(b)]);
    }
  }
  // No two letters of one answer word in the same quotation word, unless there is no
  // other way. Labels are found as substrings, so a word holding AA holds A as well.
  const std::string& label = doc.KeyWords.At(0, row);
  int chosen = 0;
  for (int c : candidates) {
    if (WordAtCell(doc, c).labelText.find(label) == std::string::npos) {
      chosen = c;
      break;
    }
  }
  bool illegal = false;
  if (chosen == 0) {
    chosen = candidates.back();
    illegal = true;
  }
  MapCell(doc, chosen, L, col, row);
  if (illegal) Cell(doc, chosen).Illegal = true;
  RefreshWordInfo(doc, chosen);
  TakeFromPool(doc, std::string(1, L));
  doc.Notify(PuzzleDocument::Change::Cells);
  return chosen;
}

void MapCell(PuzzleDocument& doc, int i, char letter, int col, int row) {
  TMasterCellRec& cell = Cell(doc, i);
  cell.Char = letter;
  cell.Special = false;
  cell.Mapped = true;
  cell.KeywordRow = row;
  cell.KeywordCol = col;
  cell.CellLabel = doc.Label(row).substr(0, kMaxCellLabel);
  doc.NumberGrid.At(col, row) = std::to_string(i);
}

void UnassignCell(PuzzleDocument& doc, char letter, int i, int col, int row) {
  ReturnToPool(doc, std::string(1, Upper(letter)));
  if (ValidCell(doc, i)) {
    TMasterCellRec& cell = Cell(doc, i);
    cell.Mapped = false;
    cell.KeywordRow = 0;
    cell.KeywordCol = 0;
    cell.CellLabel.clear();
    cell.Illegal = false;
    cell.Locked = false;
    RefreshWordInfo(doc, i);
  }
  if (StringTable::Valid(col, row)) {
    doc.NumberGrid.At(col, row).clear();
    doc.KeyWords.At(col, row).clear();
  }
  doc.Notify(PuzzleDocument::Change::Cells);
}

bool LayInString(PuzzleDocument& doc, const std::string& w, int row) {
  if (row < 0 || row > LastRow(doc) || static_cast<int>(w.size()) > kMaxWordLetters) return false;
  if (w.size() > 1 && !IsWord(w.substr(1))) return false;
  // The pool views are refreshed once, after the whole word is laid in.
  doc.HoldPoolViews();
  for (int k = 2; k <= static_cast<int>(w.size()); ++k) {
    const int j = MappedIndex(doc, k, row);
    if (j != 0) UnassignCell(doc, Cell(doc, j).Char, j, k, row);
    const char letter = Upper(w[static_cast<std::size_t>(k - 1)]);
    AssignKeywordChar(doc, letter, k, row);
    doc.KeyWords.At(k, row) = std::string(1, letter);
  }
  doc.ReleasePoolViews();
  RefreshPool(doc);
  doc.Notify(PuzzleDocument::Change::Table);
  return true;
}

SearchButtonState CheckNumEmpty(const PuzzleDocument& doc) {
  const bool three = NumEmpty(doc) == 3;
  return {three, three};
}

void FixConditions(PuzzleDocument& doc) {
  LetterCounts m = CountAZ(UpperCase(doc.Conditions.mustHave));
  std::string out;
  for (std::size_t l = 0; l < 26; ++l) {
    const int pool = doc.P.Pool[l];
    if (m[l] > 0) {
      if (pool == 0)
        m[l] = 0;
      else if (m[l] > pool)
        m[l] -= pool;
    }
    if (m[l] > 0) out.append(static_cast<std::size_t>(m[l]), static_cast<char>('A' + l));
  }
  doc.Conditions.mustHave = out;
}

void UpdateRowCol(PuzzleDocument& doc, TablePos pos) {
  doc.host().Status(StatusBar::Main, 0, "Row " + std::to_string(pos.row));
  doc.host().Status(StatusBar::Main, 1, "Col " + std::to_string(pos.col));
}

TablePos KeyWordsSelectCell(PuzzleDocument& doc, TablePos pos, bool clicked) {
  UpdateRowCol(doc, pos);
  if (clicked) UpdateCharStatus(doc);
  return Select(doc, pos);
}

TablePos KeyWordsKeyPress(PuzzleDocument& doc, TablePos pos, char key) {
  Host& host = doc.host();
  if (doc.P.NumWords <= 0 || pos.row < 0 || pos.row > LastRow(doc)) return pos;
  if (pos.col <= 1) return Select(doc, {2, pos.row});
  if (pos.col > kLastCol) pos.col = kLastCol;
  const int c = pos.col;
  const int r = pos.row;
  UpdateRowCol(doc, pos);
  doc.PuzzleChanged = true;
  const char k = Upper(key);

  if (k == kKeyEsc) return RowAdvanceClick(doc, pos);
  if (k == kKeyEnter) return Select(doc, {2, r < LastRow(doc) ? r + 1 : r});
  if (k == kKeyBackspace) {
    if (c <= 2) return Select(doc, pos);
    const int j = FindMappedCell(doc, c - 1, r);
    doc.KeyWords.At(c - 1, r).clear();
    if (j != 0) UnassignCell(doc, Cell(doc, j).Char, j, c - 1, r);
    RefreshPool(doc);
    doc.Notify(PuzzleDocument::Change::Table);
    return Select(doc, {c - 1, r});
  }
  if (k == ' ') {
    std::string& entry = doc.KeyWords.At(c, r);
    if (entry.empty()) return Select(doc, pos);
    const int j = MappedIndex(doc, c, r);
    if (j != 0)
      UnassignCell(doc, entry[0], j, c, r);
    else
      host.Message("Val error in keywords/kpress/space");
    doc.KeyWords.At(c, r).clear();
    RefreshPool(doc);
    doc.Notify(PuzzleDocument::Change::Table);
    return Select(doc, {c < kLastCol ? c + 1 : c, r});
  }
  if (!IsUpperLetter(k)) return Select(doc, pos);

  host.PlaySound("type0");
  if (PoolCount(doc, k) < 1) {
    host.PlaySound("ding");
    host.Message(" There is no more of letter " + std::string(1, k) + " in the character pool! ");
    return Select(doc, pos);
  }
  if (!doc.NumberGrid.At(c, r).empty()) {
    const int j = MappedIndex(doc, c, r);
    if (j != 0) {
      UnassignCell(doc, Cell(doc, j).Char, j, c, r);
      UpdateCharStatus(doc);
    } else {
      host.Message("Failure of Val in Keywords/keypressed ");
    }
  }
  if (AssignKeywordChar(doc, k, c, r) == 0)
    host.Message("Warning Newcell is zero in keywords/keypress  Thechar = " + std::string(1, k));
  doc.KeyWords.At(c, r) = std::string(1, k);
  RefreshPool(doc);
  doc.Notify(PuzzleDocument::Change::Table);
  if (PoolIsEmpty(doc)) {
    host.PlaySound("cheer");
    host.Message(" Congratulations! Puzzle is complete ");
  }
  return Select(doc, {c < kLastCol ? c + 1 : c, r});
}

TablePos CandidatesDblClick(PuzzleDocument& doc, TablePos pos,
                            const std::vector<std::string>& candidates, int selected,
                            bool tableVisible) {
  Host& host = doc.host();
  if (candidates.empty() || doc.P.NumWords <= 0) return pos;
  const bool haveSelection = selected >= 0 && selected < static_cast<int>(candidates.size());
  const std::string word =
      haveSelection ? UpperCase(Trim(candidates[static_cast<std::size_t>(selected)])) : "";
  // The explanatory lines of an empty scan are not words: taking one would clear a row.
  if (haveSelection && !IsWord(word)) return pos;
  doc.PuzzleChanged = true;
  int r = std::clamp(pos.row, 0, LastRow(doc));
  pos.row = r;

  if (haveSelection) {
    const std::string& initial = doc.KeyWords.At(1, r);
    if (initial.empty() || word[0] != Upper(initial[0])) {
      r = GetFirstFreeRow(doc, word[0]);
      if (r < 0) {
        host.Message("No free word starting with " + std::string(1, word[0]));
        return Select(doc, pos);
      }
      pos.row = r;
      Select(doc, pos);
    }
    if (static_cast<int>(word.size()) > kMaxWordLetters) {
      host.Message("This word is too long for an answer row (at most " +
                   std::to_string(kMaxWordLetters) + " letters).");
      return Select(doc, pos);
    }
    bool fits = WordFits(doc, word, r);
    if (!fits) {
      ClearWord1Click(doc, pos, false);
      fits = WordFits(doc, word, r);
    }
    if (!fits) {
      host.Message("Lists have changed. This word cannot be put in.");
      return Select(doc, pos);
    }
    ClearWord1Click(doc, pos, false);
    LayInString(doc, word, r);
  } else {
    host.Message("find no sel item, dblclk");
  }

  UpdateCharStatus(doc);
  if (PoolIsEmpty(doc)) {
    host.PlaySound("cheer");
    host.Message("Congratulations! The Puzzle is Filled-In!");
  }
  if (tableVisible && doc.AutoRowAdvance && r < LastRow(doc)) pos.row = r + 1;
  FixConditions(doc);
  return Select(doc, pos);
}

void ClearWord1Click(PuzzleDocument& doc, TablePos pos, bool fromMenu) {
  if (fromMenu) doc.host().PlaySound("whip");
  const int r = pos.row;
  if (!StringTable::Valid(0, r)) return;
  for (int c = 2; c <= kLastCol; ++c) {
    const int j = MappedIndex(doc, c, r);
    if (j != 0) UnassignCell(doc, Cell(doc, j).Char, j, c, r);
    // A letter that never found a cell never left the pool: it only has to go.
    doc.KeyWords.At(c, r).clear();
    doc.NumberGrid.At(c, r).clear();
  }
  RefreshPool(doc);
  doc.Notify(PuzzleDocument::Change::Table);
}

TablePos ClearPuzzle1Click(PuzzleDocument& doc, TablePos pos) {
  Host& host = doc.host();
  if (!host.Confirm("This will erase all the Answers! \rAre you sure you want to start over?",
                    ConfirmKind::Warning))
    return pos;
  for (int r = 0; r <= LastRow(doc); ++r) {
    host.PlaySound("pshew");
    pos.row = r;
    Select(doc, pos);
    ClearWord1Click(doc, pos, false);
  }
  InitClueList(doc, doc.P.NumWords);
  return Select(doc, pos);
}

TablePos RowAdvanceClick(PuzzleDocument& doc, TablePos pos) {
  if (doc.AutoRowAdvance && doc.P.NumWords > 0) pos.row = pos.row < LastRow(doc) ? pos.row + 1 : 0;
  return Select(doc, pos);
}

std::string ScanConditionalClick(PuzzleDocument& doc) {
  doc.AutoRowAdvance = !doc.AutoRowAdvance;
  return doc.AutoRowAdvance ? "Auto Row Advance Off" : "Auto Row Advance On";
}

}  // namespace quotella
