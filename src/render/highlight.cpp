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

// A plain substring search over this text, so "HE", "AT" or "HER" count as common too.
constexpr const char* kCommonWords =
    "the of to and a in is it you that he was for on are with as I his they be at one have "
    "this from or had by but what some we can out other were all there when up use your how "
    "said an she which do their if will then them";

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

bool IsCommonWord(const std::string& word) {
  const std::string w = UpperCase(Trim(word));
  if (w.empty()) return false;
  static const std::string common = UpperCase(kCommonWords);
  return common.find(w) != std::string::npos;
}

void MarkCommonWords(Tpuzzle& puzzle) {
  ForEachCell(puzzle, [](TMasterCellRec& c) { c.CommonMark = IsCommonWord(c.Wordstr); });
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
  doc.HighlightActive = false;
}

}  // namespace quotella
