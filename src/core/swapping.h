#pragma once

#include <string>
#include <vector>

#include "core/document.h"

namespace quotella {

// Exchanging cells. Two cells holding the same letter trade their answer-word
// assignments (label, row, column, mapped state); the answer-word table never changes,
// only the number map and the cells. A first double click on a letter cell lists its
// possible partners in the swap list and leaves the exchange pending; a second double
// click, or a double click on a list line, carries it out.

// The swap list and the pending exchange, as the window shows them.
struct SwapState {
  int SwapSource = 0;              // first cell of a pending exchange
  std::vector<std::string> Lines;  // the swap list, top to bottom
  bool ListShown = false;          // the list was shown and focused
  bool HandCursor = false;         // the quotation grid shows the hand cursor
};

// The cell (1-based) at a position of the quotation grid, 0 when the position holds
// no cell (before the first or after the last cell).
int CellAtGridPosition(const PuzzleDocument& doc, int row, int col, int columnCount);

// The first cell whose printed number is `number`; 0 when none (never a space or hyphen).
int FindCellByNumber(const Tpuzzle& p, int number);

// May a letter labelled `label` move into the quote word whose label text is labelstr?
// Yes when the label is among the word's labels at most once.
bool SwapLegal(const std::string& label, const std::string& labelstr);

// A best partner: neither cell's label appears in the other cell's quote word.
bool IsBestSwap(const Tpuzzle& p, int j, int i);

void SwapCells(PuzzleDocument& doc, int i, int j);
void RefreshWordInfo(PuzzleDocument& doc, int i);
void RefreshAllWordInfo(PuzzleDocument& doc);
// Illegal := the cell's label occurs more than once among the labels of its quote word.
void RecomputeIllegal(Tpuzzle& p);
void ClearHighlights(PuzzleDocument& doc);
void ClearSwapMarks(Tpuzzle& p);

// Double click on cell i of the quotation grid (0 or a space/hyphen cell: only the
// word information is refreshed).
void PuzzleGridDblClick(PuzzleDocument& doc, SwapState& state, int i);

// Double click on line `line` (0-based) of the swap list; lines before the fourth are
// ignored. Returns true when an exchange was made.
bool SwapListBoxDblClick(PuzzleDocument& doc, SwapState& state, int line);
// The same for the text of a line: "a,b." swaps the cells printed a and b. A text
// without two such numbers naming cells of one letter changes nothing and says so.
bool SwapListLineDblClick(PuzzleDocument& doc, SwapState& state, const std::string& text);

}  // namespace quotella
