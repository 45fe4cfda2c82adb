#include "core/swapping.h"

#include <charconv>
#include <optional>
#include <utility>

#include "core/assignment.h"
#include "core/textio.h"

namespace quotella {

namespace {

TMasterCellRec& CellAt(Tpuzzle& p, int i) {
  return p.Cells[static_cast<std::size_t>(i)];
}
const TMasterCellRec& CellAt(const Tpuzzle& p, int i) {
  return p.Cells[static_cast<std::size_t>(i)];
}
bool ValidCell(const Tpuzzle& p, int i) {
  return i >= 1 && i <= p.NumCells && i <= kMaxCells;
}

// The labels of a quote word: its label text split at every "*", one part per cell.
std::vector<std::string> LabelParts(const std::string& labelstr) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t star = labelstr.find('*'); star != std::string::npos;
       star = labelstr.find('*', start)) {
    parts.push_back(Trim(labelstr.substr(start, star - start)));
    start = star + 1;
  }
  if (start < labelstr.size()) parts.push_back(Trim(labelstr.substr(start)));
  return parts;
}

int CountLabel(const std::string& label, const std::string& labelstr) {
  const std::string wanted = Trim(label);
  if (wanted.empty()) return 0;
  int n = 0;
  for (const auto& part : LabelParts(labelstr))
    if (part == wanted) ++n;
  return n;
}

// Substring test of a label in a label text; an empty label occurs nowhere.
bool LabelOccurs(const std::string& label, const std::string& labelstr) {
  return !label.empty() && labelstr.find(label) != std::string::npos;
}

std::optional<int> ParseNumber(const std::string& text) {
  const std::string t = Trim(text);
  int value = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
  return value;
}

}  // namespace

int CellAtGridPosition(const PuzzleDocument& doc, int row, int col, int columnCount) {
  if (row < 0 || col < 0 || columnCount < 1 || col >= columnCount) return 0;
  const long long position = static_cast<long long>(row) * columnCount + col + 1;
  const long long index = position - doc.P.GridOffset;
  return (index >= 1 && index <= doc.P.NumCells) ? static_cast<int>(index) : 0;
}

int FindCellByNumber(const Tpuzzle& p, int number) {
  if (number < 1) return 0;
  for (int i = 1; i <= p.NumCells && i <= kMaxCells; ++i)
    if (CellAt(p, i).CellNumber == number) return i;
  return 0;
}

bool SwapLegal(const std::string& label, const std::string& labelstr) {
  return CountLabel(label, labelstr) <= 1;
}

bool IsBestSwap(const Tpuzzle& p, int j, int i) {
  if (!ValidCell(p, i) || !ValidCell(p, j)) return false;
  const auto& ci = CellAt(p, i);
  const auto& cj = CellAt(p, j);
  return !LabelOccurs(cj.CellLabel, ci.Labelstr) && !LabelOccurs(ci.CellLabel, cj.Labelstr);
}

void RefreshWordInfo(PuzzleDocument& doc, int i) {
  if (!ValidCell(doc.P, i)) return;
  const auto info = WordAtCell(doc, i);
  auto& cell = CellAt(doc.P, i);
  cell.Labelstr = info.labelText;
  cell.Wordstr = info.letters;
}

void RefreshAllWordInfo(PuzzleDocument& doc) {
  for (int i = 1; i <= doc.P.NumCells && i <= kMaxCells; ++i) RefreshWordInfo(doc, i);
}

void RecomputeIllegal(Tpuzzle& p) {
  for (int i = 1; i <= p.NumCells && i <= kMaxCells; ++i) {
    auto& cell = CellAt(p, i);
    cell.Illegal = cell.Mapped && CountLabel(cell.CellLabel, cell.Labelstr) > 1;
  }
}

void ClearHighlights(PuzzleDocument& doc) {
  for (auto& cell : doc.P.Cells) cell.Highlight = false;
  doc.view().HighlightActive = false;
}

void ClearSwapMarks(Tpuzzle& p) {
  for (auto& cell : p.Cells) cell.SwapMark = false;
}

void SwapCells(PuzzleDocument& doc, int i, int j) {
  auto& p = doc.P;
  if (!ValidCell(p, i) || !ValidCell(p, j) || i == j) return;
  auto& a = CellAt(p, i);
  auto& b = CellAt(p, j);
  // Each mapped cell's number-map entry is pointed at the other cell. A free cell has
  // no entry of its own (its row and column are 0, the label column of the first
  // row), so only mapped cells' entries are touched.
  if (a.Mapped && StringTable::Valid(a.KeywordCol, a.KeywordRow))
    doc.NumberGrid.At(a.KeywordCol, a.KeywordRow) = std::to_string(j);
  if (b.Mapped && StringTable::Valid(b.KeywordCol, b.KeywordRow))
    doc.NumberGrid.At(b.KeywordCol, b.KeywordRow) = std::to_string(i);
  std::swap(a.CellLabel, b.CellLabel);
  std::swap(a.Mapped, b.Mapped);
  std::swap(a.KeywordCol, b.KeywordCol);
  std::swap(a.KeywordRow, b.KeywordRow);
  std::swap(a.WordHighlight, b.WordHighlight);
  // Every cell of the two quote words carries the words' label texts, and their
  // Illegal marks depend on them: refreshing only i and j would leave the neighbours
  // of either cell with stale labels and marks.
  RefreshAllWordInfo(doc);
  RecomputeIllegal(p);
  // The number map is part of the saved puzzle: an exchange must not be lost on exit.
  doc.PuzzleChanged = true;
  doc.Notify(PuzzleDocument::Change::Cells);
}

void PuzzleGridDblClick(PuzzleDocument& doc, SwapState& state, int i) {
  auto& p = doc.P;
  RefreshAllWordInfo(doc);
  RecomputeIllegal(p);
  state.HandCursor = doc.view().HighlightActive;
  doc.Notify(PuzzleDocument::Change::Cells);
  if (!ValidCell(p, i) || CellAt(p, i).Special) return;
  auto& cell = CellAt(p, i);

  if (doc.view().HighlightActive) {
    const int source = state.SwapSource;
    if (ValidCell(p, source) && CellAt(p, source).Char == cell.Char &&
        SwapLegal(cell.CellLabel, CellAt(p, source).Labelstr))
      SwapCells(doc, i, source);
    // The swap, or the pick that ends it, takes the marks of the partners away.
    ClearHighlights(doc);
    ClearSwapMarks(p);
  } else {
    ClearHighlights(doc);
    ClearSwapMarks(p);
    for (int k = 1; k <= p.NumCells; ++k)
      if (CellAt(p, k).Char == cell.Char) CellAt(p, k).Highlight = true;
    doc.view().HighlightActive = true;
    RefreshWordInfo(doc, i);

    const std::string letter(1, cell.Char);
    const std::string a = std::to_string(cell.CellNumber);
    auto& lines = state.Lines;
    state.ListShown = true;
    lines.push_back("");
    lines.push_back("DOUBLECLICK THE SWAP YOU WANT TO MAKE!");
    lines.push_back("Cell: " + a + ", Char: " + letter + " " +
                    (cell.Locked || cell.Special ? "(Locked, " : "(Not Locked, ") +
                    (cell.Illegal ? "Illegal) " : "Legal)"));
    lines.push_back("Label:" + cell.CellLabel + " " + "Word:" + cell.Wordstr + " " + "(" +
                    cell.Labelstr + ")");
    bool anyPartner = false;
    for (int j = 1; j <= p.NumCells; ++j) {
      auto& other = CellAt(p, j);
      if (j == i || other.Char != cell.Char || other.Locked) continue;
      anyPartner = true;
      const std::string b = std::to_string(other.CellNumber);
      const std::string tail =
          a + " with cell: " + b + "  " + other.Wordstr + " Lbl: " + other.CellLabel;
      if (SwapLegal(cell.CellLabel, other.Labelstr)) {
        std::string head = a + "," + b + ". ";
        if (head.size() < 10) head.insert(0, 10 - head.size(), ' ');
        const bool best = IsBestSwap(p, j, i);
        if (best) other.SwapMark = true;
        lines.push_back(head + (best ? "(Best " : "(Swap: ") + tail + ")");
      } else {
        lines.push_back(a + "," + b + ". " + "(Illegal Swap cell " + tail);
      }
    }
    if (!anyPartner && !cell.Locked) {
      lines.push_back("");
      lines.push_back("No swaps are legal!");
    }
    if (cell.Locked) {
      lines.push_back("");
      lines.push_back("This cannot be swapped!  It is the only " + letter + "!");
      ClearHighlights(doc);
      doc.Notify(PuzzleDocument::Change::Cells);
      return;
    }
    state.SwapSource = i;
  }
  RefreshAllWordInfo(doc);
  RecomputeIllegal(p);
  doc.Notify(PuzzleDocument::Change::Cells);
}

bool SwapListBoxDblClick(PuzzleDocument& doc, SwapState& state, int line) {
  if (line < 3 || line >= static_cast<int>(state.Lines.size())) return false;
  // A copy: a successful exchange clears the list.
  const std::string text = state.Lines[static_cast<std::size_t>(line)];
  return SwapListLineDblClick(doc, state, text);
}

bool SwapListLineDblClick(PuzzleDocument& doc, SwapState& state, const std::string& text) {
  const std::size_t comma = text.find(',');
  const std::size_t stop = text.find('.');
  std::optional<int> first, second;
  if (comma != std::string::npos && stop != std::string::npos && comma < stop) {
    first = ParseNumber(text.substr(0, comma));
    second = ParseNumber(text.substr(comma + 1, stop - comma - 1));
  }
  auto& p = doc.P;
  const int i = first ? FindCellByNumber(p, *first) : 0;
  const int j = second ? FindCellByNumber(p, *second) : 0;
  // Only two letter cells holding the same letter can trade assignments.
  if (i == 0 || j == 0 || CellAt(p, i).Char != CellAt(p, j).Char) {
    doc.host().Message("Error in value in SwapListBoxDblClick");
    return false;
  }
  SwapCells(doc, i, j);
  ClearHighlights(doc);
  RefreshWordInfo(doc, i);
  RefreshWordInfo(doc, j);
  RecomputeIllegal(p);
  RefreshAllWordInfo(doc);
  ClearSwapMarks(p);
  state.Lines.clear();
  state.Lines.push_back("CLICK ON A CELL TO SWAP");
  state.SwapSource = 0;
  state.HandCursor = true;
  doc.Notify(PuzzleDocument::Change::Cells);
  return true;
}

}  // namespace quotella
