#include "render/highlight.h"

#include "core/answertable.h"
#include "core/textio.h"

namespace quotella {

namespace {

template <typename F>
void ForEachCell(Tpuzzle& puzzle, F f) {
  for (int i = 1; i <= puzzle.NumCells && i <= kMaxCells; ++i)
    f(puzzle.Cells[static_cast<std::size_t>(i)]);
}

}  // namespace

void Unhighlight(Tpuzzle& puzzle) {
  ForEachCell(puzzle, [](TMasterCellRec& c) {
    c.WordHighlight = false;
    c.Cursor = false;
  });
}

void HighlightInitials(PuzzleDocument& doc) {
  const int n = static_cast<int>(doc.P.QuotellaStr.size());
  for (int j = 1; j <= n && j <= kTableSize; ++j) {
    const int i = MappedIndex(doc, 1, j - 1);
    if (i != 0) doc.P.Cells[static_cast<std::size_t>(i)].WordHighlight = true;
  }
}

void HighlightWord(PuzzleDocument& doc, int row) {
  if (!StringTable::Valid(0, row)) return;
  const int n = static_cast<int>(Keystring(doc, row).size());
  for (int k = 1; k <= n && k < kTableSize; ++k) {
    const int i = MappedIndex(doc, k, row);
    if (i == 0)
      doc.host().Message("Err in value HighlightWord");
    else
      doc.P.Cells[static_cast<std::size_t>(i)].WordHighlight = true;
  }
}

bool SetCursorCell(PuzzleDocument& doc, int col, int row) {
  const int i = MappedIndex(doc, col, row);
  if (i == 0) return false;
  ForEachCell(doc.P, [](TMasterCellRec& c) { c.Cursor = false; });
  doc.P.Cells[static_cast<std::size_t>(i)].Cursor = true;
  return true;
}

}  // namespace quotella

namespace quotella {

void ClearDisplayMarks(PuzzleDocument& doc) {
  ForEachCell(doc.P, [](TMasterCellRec& c) {
    c.Highlight = false;
    c.SwapMark = false;
    c.WordHighlight = false;
    c.Cursor = false;
  });
  doc.view().HighlightActive = false;
}

}  // namespace quotella
