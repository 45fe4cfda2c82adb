#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// The display marks of the distribution mode. They change only the cells' display flags,
// never the puzzle itself.

// Clears WordHighlight and Cursor on every cell.
void Unhighlight(Tpuzzle& puzzle);
// WordHighlight on the cells of the placed initials; unplaced initials are skipped.
void HighlightInitials(PuzzleDocument& doc);
// WordHighlight on the cells of answer word row; an unplaced letter gives the message
// "Err in value HighlightWord" and the others are still marked.
void HighlightWord(PuzzleDocument& doc, int row);
// Moves the Cursor mark to the cell of letter col (1 = initial) of answer word row.
// Returns false, changing nothing, when that letter is not placed.
bool SetCursorCell(PuzzleDocument& doc, int col, int row);

}  // namespace quotella

namespace quotella {

// Clears every swap and highlight mark a view switch removes: Highlight, SwapMark,
// WordHighlight and Cursor; the letter highlight is no longer active.
void ClearDisplayMarks(PuzzleDocument& doc);

}  // namespace quotella
